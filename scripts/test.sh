#!/usr/bin/env bash
# Sets up the machine, builds everything and runs all tests with CTest.
# The exit code is CTest's.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORN_BUILD_DIR:-$ROOT/build}"
JOBS="${VORN_JOBS:-2}"

"$ROOT/scripts/setup.sh"

exec ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" "$@"

#!/usr/bin/env bash
# Sets up the machine, builds the benchmark program and runs it. Arguments are
# passed on to vorn_bench.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORN_BUILD_DIR:-$ROOT/build}"

"$ROOT/scripts/setup.sh" vorn_bench

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec "$BUILD_DIR/bench/vorn_bench" "$@"

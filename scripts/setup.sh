#!/usr/bin/env bash
# Prepares this machine for Vorn and builds it.
#
#   scripts/setup.sh [target ...]
#
# Installs the Debian packages the build, the tests and the program need (only
# those that are missing, so a ready machine never touches the network), then
# configures the build folder with Ninja and builds the given targets (all of
# them when none is named).
#
# Environment:
#   VORN_BUILD_DIR   build folder (default: build/ in the checkout)
#   VORN_JOBS        parallel build jobs (default: 2)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORN_BUILD_DIR:-$ROOT/build}"
JOBS="${VORN_JOBS:-2}"

PACKAGES=(
  cmake ninja-build g++
  qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n libgl1-mesa-dev
  libsqlite3-dev sqlite3 libicu-dev
  libzip-dev zlib1g-dev libxlsxwriter-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  poppler-utils imagemagick python3-xlrd unzip xdg-utils
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}" >&2
  SUDO=()
  if [[ "$(id -u)" -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
      SUDO=(sudo)
    else
      echo "setup: missing packages (${missing[*]}); run this script as root" >&2
      exit 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update -q
  "${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja
fi

targets=()
if (($#)); then
  targets=(--target "$@")
fi
cmake --build "$BUILD_DIR" -j "$JOBS" "${targets[@]}"

#!/usr/bin/env bash
# Sets up the machine, builds Vorn and starts it from a self-contained
# installation folder (install/ in the checkout):
#
#   install/Vorn, install/Vorn_Upd   the two programs
#   install/Vorn.ini                 settings; its presence makes the program
#                                    folder the data root
#   install/Data/                    the data folder, made new only when it
#                                    holds no database yet
#
# Existing settings and data are never overwritten. Without a display, start it
# as `xvfb-run scripts/run.sh`.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORN_BUILD_DIR:-$ROOT/build}"
INSTALL_DIR="${VORN_INSTALL_DIR:-$ROOT/install}"
DATA_DIR="$INSTALL_DIR/Data"

"$ROOT/scripts/setup.sh" Vorn Vorn_Upd vorn_newdata

mkdir -p "$INSTALL_DIR"
# install(1) replaces the file instead of writing into it, so a copy that is
# still running elsewhere does not stop the update.
install -m 755 "$BUILD_DIR/apps/Vorn" "$BUILD_DIR/apps/Vorn_Upd" "$INSTALL_DIR/"

if [[ ! -e "$INSTALL_DIR/Vorn.ini" ]]; then
  printf '[Alapertek]\nUtvonal=%s\n' "$DATA_DIR" >"$INSTALL_DIR/Vorn.ini"
fi

if [[ ! -e "$DATA_DIR/vorn.sqlite" ]]; then
  "$BUILD_DIR/apps/vorn_newdata" "$DATA_DIR"
fi

cd "$INSTALL_DIR"
exec "$INSTALL_DIR/Vorn" "$@"

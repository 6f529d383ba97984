#!/usr/bin/env bash
# Installs what is missing, builds, and starts TORVIK CPS. With no radio cable plugged in
# (no USB or ACM serial device), it starts with the built-in virtual radio (--demo).
# Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build="${TORVIK_BUILD_DIR:-build}"
args=("$@")
if [ ${#args[@]} -eq 0 ] && ! compgen -G "/dev/ttyUSB*" >/dev/null && ! compgen -G "/dev/ttyACM*" >/dev/null; then
    args=(--demo)
fi
exec "$build/bin/torvik" "${args[@]}"

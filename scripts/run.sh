#!/usr/bin/env bash
# Installs what is missing, builds, and starts TORVIK CPS. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build="${TORVIK_BUILD_DIR:-build}"
# The main window is not built yet: until it is, this starts the command-line tool.
exec "$build/bin/torvik-cli" "${@:-help}"

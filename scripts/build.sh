#!/usr/bin/env bash
# Configures and builds everything into ./build (or $TORVIK_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TORVIK_BUILD_DIR:-build}"
# Several checkouts on one small machine build one at a time rather than fight for cores.
exec 9>"${TMPDIR:-/tmp}/torvik-build.lock"
flock 9
# TORVIK_CMAKE_OPTIONS: extra options for a new build folder (the sanitized and fuzz builds use them).
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja ${TORVIK_CMAKE_OPTIONS:-}
cmake --build "$build" --parallel "$(nproc)"

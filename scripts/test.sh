#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   --sanitize   build with AddressSanitizer and UndefinedBehaviorSanitizer into
#                build-sanitize (or $TORVIK_BUILD_DIR) and run every test there
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=0
for arg in "$@"; do
    case "$arg" in
        --sanitize) sanitize=1 ;;
        *) echo "usage: bash scripts/test.sh [--sanitize]" >&2; exit 2 ;;
    esac
done
bash scripts/install-deps.sh
if [ "$sanitize" -eq 1 ]; then
    export TORVIK_BUILD_DIR="${TORVIK_BUILD_DIR:-build-sanitize}"
    export TORVIK_CMAKE_OPTIONS="-DTORVIK_SANITIZE=ON -DTORVIK_BUILD_BENCH=OFF"
    # Leaks inside the system's font and platform libraries are not ours to fix.
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
bash scripts/build.sh
build="${TORVIK_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"

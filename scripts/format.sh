#!/usr/bin/env bash
# Formats every C++ file of the project with the pinned clang-format (Debian 12's version 14,
# which scripts/install-deps.sh installs) and the root .clang-format.
#   --check   change nothing; list the files that differ and fail when there are any
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
for arg in "$@"; do
    case "$arg" in
        --check) check=1 ;;
        *) echo "usage: bash scripts/format.sh [--check]" >&2; exit 2 ;;
    esac
done
# Another major version formats differently; pin the one CI has rather than follow the machine.
formatter=""
for candidate in clang-format-14 clang-format; do
    if command -v "$candidate" >/dev/null && "$candidate" --version | grep -q "version 14\."; then
        formatter="$candidate"
        break
    fi
done
if [ -z "$formatter" ]; then
    echo "format.sh: clang-format 14 is missing (bash scripts/install-deps.sh installs it)" >&2
    exit 2
fi
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.h' 'src/*.cpp' 'apps/*.h' 'apps/*.cpp' \
    'tests/*.h' 'tests/*.cpp' 'fuzz/*.h' 'fuzz/*.cpp' 'bench/*.h' 'bench/*.cpp')
if [ "$check" -eq 0 ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
differ=0
for f in "${files[@]}"; do
    if ! "$formatter" "$f" | cmp -s - "$f"; then
        echo "not formatted: $f" >&2
        differ=$((differ + 1))
    fi
done
if [ "$differ" -gt 0 ]; then
    echo "$differ file(s) differ from .clang-format; bash scripts/format.sh fixes them" >&2
    exit 1
fi

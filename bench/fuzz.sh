#!/usr/bin/env bash
# Fuzzes every parser in process: builds the libFuzzer executables with clang (AddressSanitizer
# and UndefinedBehaviorSanitizer on) into ./build-libfuzzer, then runs each target for SECONDS
# (default 60), one after the other, starting from a scratch copy of its seed corpus in
# fuzz/corpus/<target>/ and its kept findings in fuzz/regressions/<target>/; the committed
# corpus never grows. Prints executions per second and the total per target. A crash, hang or
# leak stops the run with the input saved under build-libfuzzer/findings/<target>/: fix it,
# and keep the input in fuzz/regressions/<target>/ so the ordinary tests replay it.
#
#   bash bench/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
build=build-libfuzzer

# The longest input each target is given: room for what it reads, not much more.
declare -A max_len=(
    [file_pair]=12288 [image]=16385 [test_data]=64 [book]=2048 [profile]=4096
    [language]=12288 [link]=4096 [channel_csv]=8192 [codeplug_json]=65536
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(file_pair image test_data book profile language link
                                     channel_csv codeplug_json)

mkdir -p "$build"
command -v clang++ >/dev/null || { echo "clang++ is missing: run scripts/install-deps.sh" >&2; exit 2; }
CC=clang CXX=clang++ TORVIK_BUILD_DIR="$build" \
    TORVIK_CMAKE_OPTIONS="-DTORVIK_FUZZ=ON -DTORVIK_BUILD_APPS=OFF -DTORVIK_BUILD_TESTS=OFF -DTORVIK_BUILD_BENCH=OFF" \
    bash scripts/build.sh >"$build/fuzz-build.log" 2>&1 || { tail -40 "$build/fuzz-build.log" >&2; exit 2; }

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
results=()
for target in "${targets[@]}"; do
    binary="$build/bin/fuzz_$target"
    [ -x "$binary" ] || { echo "no fuzz target '$target'" >&2; exit 2; }
    corpus="$scratch/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    cp fuzz/corpus/"$target"/* "$corpus"/
    regressions=()
    [ -d "fuzz/regressions/$target" ] && regressions=("fuzz/regressions/$target")
    log="$build/findings/$target.log"
    echo "== $target: ${seconds}s" >&2
    status=0
    "$binary" -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "${regressions[@]}" >"$log" 2>&1 || status=$?
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    per_second="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
    if [ "$status" -ne 0 ]; then
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|ALARM|artifact_prefix|Test unit written)' "$log" >&2 || tail -30 "$log" >&2
        echo "$target: FINDING after ${executions:-?} executions; input and log in $findings/ and $log" >&2
        exit 1
    fi
    results+=("$(printf '%-14s %10s exec/s %12s executions in %ss' "$target" "$per_second" "$executions" "$seconds")")
done
printf '%s\n' "${results[@]}"

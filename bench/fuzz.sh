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
#   bash bench/fuzz.sh --grow [SECONDS] [TARGET...]
#       as above, then adds to fuzz/corpus/<target>/ the few inputs found that reach
#       something the corpus did not (libFuzzer's -merge=1), and nothing else
#   bash bench/fuzz.sh --coverage [TARGET...]
#       builds the targets with clang's source-based coverage into ./build-fuzzcov, runs each
#       once over its corpus and kept findings, and prints per target the share of its
#       parser's lines they reach: "TARGET: NN.N% of lines (COVERED/TOTAL)"
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(file_pair image test_data book profile language link channel_csv codeplug_json)

# The source lines each target exists to exercise: its parser's files, and where a file also
# holds other work (reading and writing files), the parser's functions in it.
declare -A parser_files=(
    [file_pair]="src/storage/codeplug_files.cpp"
    [image]="src/aggregate/image_codec.cpp src/codeplug/channel_codec.cpp
             src/calling/commbook/comm_book_codec.cpp src/calling/dtmf/dtmf_codec.cpp
             src/calling/fivetone/five_tone_codec.cpp src/calling/twotone/two_tone_codec.cpp
             src/functions/emergency/emergency_codec.cpp src/functions/options/option_codec.cpp
             src/functions/radioinfo/radio_info_codec.cpp src/functions/scan/scan_codec.cpp"
    [test_data]="src/factory/test_data.cpp"
    [book]="src/storage/book_file.cpp src/calling/commbook/comm_book.cpp"
    [profile]="src/platform/profile_file.cpp src/app/settings.cpp"
    [language]="src/app/language_texts.cpp src/platform/gbk.cpp"
    [link]="src/link/link_receive.cpp src/link/frames.cpp"
    [channel_csv]="src/interchange/channel_csv_import.cpp src/interchange/channel_csv_values.cpp
                   src/interchange/csv_text.cpp"
    [codeplug_json]="src/textform/codeplug_json.cpp src/textform/record_json_read.h"
)
declare -A parser_functions=(
    [file_pair]="ParseFilePair"
    [test_data]="ParseTestDataBytes"
    [book]="ParseBookBytes|IsPlausibleBookEntry|PaddedText"
    [profile]="Trim|SectionName|SplitKeyValue|Unquote|EqualsIgnoringCase|ProfileFile5Parse|ProfileFile6locate|ProfileFile3get|ProfileFile3set|ProfileFile4text|ReadInt16|ReadSetupSettings|WriteStartupValues"
    [language]="LanguageTexts5Parse|13LanguageTexts8langText|13LanguageTexts15readMessageText|CutGbk|GbkToUtf8Lossy|7Convert|ConverterFor|IsAscii"
)

coverage() {
    local build=build-fuzzcov
    local targets=("$@")
    [ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
    for tool in clang++ llvm-profdata llvm-cov; do
        command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 2; }
    done
    mkdir -p "$build"
    CC=clang CXX=clang++ TORVIK_BUILD_DIR="$build" \
        TORVIK_CMAKE_OPTIONS="-DTORVIK_FUZZ_COVERAGE=ON -DTORVIK_BUILD_APPS=OFF -DTORVIK_BUILD_TESTS=OFF -DTORVIK_BUILD_BENCH=OFF" \
        bash scripts/build.sh >"$build/coverage-build.log" 2>&1 ||
        { tail -40 "$build/coverage-build.log" >&2; exit 2; }
    local replay="$build/bin/fuzz_replay" profiles="$build/profiles"
    rm -rf "$profiles"
    mkdir -p "$profiles"
    for target in "${targets[@]}"; do
        [ -n "${parser_files[$target]:-}" ] || { echo "no fuzz target '$target'" >&2; exit 2; }
        local inputs=(fuzz/corpus/"$target")
        [ -d "fuzz/regressions/$target" ] && inputs+=("fuzz/regressions/$target")
        LLVM_PROFILE_FILE="$profiles/$target.profraw" "$replay" "$target" "${inputs[@]}" 2>/dev/null
        llvm-profdata merge -sparse -o "$profiles/$target.profdata" "$profiles/$target.profraw"
        local filter=()
        [ -n "${parser_functions[$target]:-}" ] && filter=(-name-regex="${parser_functions[$target]}")
        # Only the line view honours a function filter. It heads each file with its path, or,
        # filtered, each function with its name ("file.cpp:name" for local functions); a line
        # with a count is code.
        llvm-cov show "$replay" -instr-profile="$profiles/$target.profdata" "${filter[@]}" \
            -show-instantiations=false -use-color=false |
            awk -v target="$target" -v files="${parser_files[$target]}" '
                BEGIN { n = split(files, list, /[ \n]+/) }
                /^ *[0-9]+\|/ {
                    if (section == "") next
                    split($0, cell, "|")
                    count = cell[2]
                    gsub(/ /, "", count)
                    if (count == "") next
                    # A lambda is shown again inside its function: the same line counts once.
                    key = section ":" (cell[1] + 0) ":" substr($0, length(cell[1]) + length(cell[2]) + 3)
                    if (!(key in seen)) seen[key] = 0
                    if (count != "0") seen[key] = 1
                    next
                }
                /^[^ ].*:$/ {
                    section = ""
                    header = $0
                    sub(/:$/, "", header)
                    if (header ~ /\//) {
                        for (i = 1; i <= n; ++i) {
                            wanted = list[i]
                            sub(/^src\//, "", wanted)
                            if (wanted != "" && substr(header, length(header) - length(wanted)) == "/" wanted)
                                section = wanted
                        }
                    } else if (header ~ /^[^:]+\.(cpp|h):/) {
                        split(header, part, ":")
                        for (i = 1; i <= n; ++i)
                            if (list[i] != "" && list[i] ~ ("/" part[1] "$")) section = "functions"
                    } else {
                        section = "functions"
                    }
                }
                END {
                    for (key in seen) { total++; covered += seen[key] }
                    printf "%s: %.1f%% of lines (%d/%d)\n", target, total ? 100 * covered / total : 0, covered, total
                }'
    done
}

grow=0
case "${1:-}" in
    --coverage)
        shift
        coverage "$@"
        exit 0
        ;;
    --grow)
        grow=1
        shift
        ;;
esac
seconds="${1:-60}"
shift || true
build=build-libfuzzer

# The longest input each target is given: room for what it reads, not much more.
declare -A max_len=(
    [file_pair]=12288 [image]=16385 [test_data]=64 [book]=2048 [profile]=4096
    [language]=12288 [link]=4096 [channel_csv]=8192 [codeplug_json]=65536
)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

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
    if [ "$grow" -eq 1 ]; then
        # Only what adds to the committed corpus is copied into it.
        "$binary" -merge=1 -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 \
            fuzz/corpus/"$target" "$corpus" >"$build/findings/$target.merge.log" 2>&1 ||
            { tail -20 "$build/findings/$target.merge.log" >&2; exit 2; }
    fi
done
printf '%s\n' "${results[@]}"

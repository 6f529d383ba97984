#!/usr/bin/env bash
# Link speed: a full read and a full write against the virtual radio over a pseudo-terminal,
# once unpaced and once with --baud-pace (the byte rate of a 9600-baud line). The paced times
# are compared with what the bytes alone need on such a line: a read receives 1023 blocks of
# 26 bytes (echo and reply), a write 1008 of 23; a byte is 10 bits on the line.
# Usage: bash bench/link_timing.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
bin="$(cd "$build/bin" && pwd)"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home"
cp -r "$bin/Init" "$work/home/"
cp "$bin/Init/MERLAN_3.dat" "$work/mine.dat"
cp "$bin/Init/MERLAN_3.fre" "$work/mine.fre"

seconds() { date +%s.%N; }

measure() {  # $1: radio options; prints "read write" seconds
    "$bin/torvik-radio" --image "$work/radio.img" --link "$work/tty" --home "$bin" $1 > /dev/null &
    local radio=$!
    for _ in $(seq 50); do [ -e "$work/tty" ] && break; sleep 0.1; done
    local t0 t1 t2
    t0=$(seconds)
    "$bin/torvik-cli" read --device "$work/tty" "$work/back.dat" --home "$work/home" --yes 2>/dev/null
    t1=$(seconds)
    "$bin/torvik-cli" write "$work/mine.dat" --device "$work/tty" --home "$work/home" --yes 2>/dev/null
    t2=$(seconds)
    kill $radio; wait $radio 2>/dev/null || true
    rm -f "$work/tty"
    echo "$(echo "$t1 - $t0" | bc -l) $(echo "$t2 - $t1" | bc -l)"
}

read -r plain_read plain_write <<< "$(measure "")"
read -r paced_read paced_write <<< "$(measure "--baud-pace")"
line_read=$(echo "1023 * 26 * 10 / 9600" | bc -l)
line_write=$(echo "1008 * 23 * 10 / 9600" | bc -l)
printf "unpaced:  read %.2f s   write %.2f s\n" "$plain_read" "$plain_write"
printf "paced:    read %.2f s   write %.2f s\n" "$paced_read" "$paced_write"
printf "line:     read %.2f s   write %.2f s\n" "$line_read" "$line_write"
printf "ratio:    read %.4f     write %.4f   (target at most 1.02)\n" \
    "$(echo "$paced_read / $line_read" | bc -l)" "$(echo "$paced_write / $line_write" | bc -l)"

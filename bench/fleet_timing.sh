#!/usr/bin/env bash
# Fleet speed: `fleet write --verify` into one virtual radio, then into eight at once, every
# radio paced at the byte rate of a 9600-baud line on a pseudo-terminal of its own. The
# sessions overlap, so eight should take hardly longer than one (target: at most 1.1 times).
# Usage: bash bench/fleet_timing.sh [BUILD_DIR] [RADIOS]
set -euo pipefail
build="${1:-build}"
count="${2:-8}"
bin="$(cd "$build/bin" && pwd)"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home"
cp -r "$bin/Init" "$work/home/"
cp "$bin/Init/MERLAN_3.dat" "$work/template.dat"
cp "$bin/Init/MERLAN_3.fre" "$work/template.fre"

seconds() { date +%s.%N; }

measure() {  # $1: how many radios; prints the seconds of the whole job
    local n=$1 devices=() radios=()
    for i in $(seq "$n"); do
        "$bin/torvik-radio" --image "$work/radio$i.img" --link "$work/tty$i" --home "$bin" \
            --serial "SN-$i" --baud-pace > /dev/null &
        radios+=($!)
        devices+=(--device "$work/tty$i")
    done
    for i in $(seq "$n"); do
        for _ in $(seq 50); do [ -e "$work/tty$i" ] && break; sleep 0.1; done
    done
    "$bin/torvik-cli" fleet roster "$work/roster$n.csv" --units "$n" --set DtmfId=101 \
        --home "$work/home"
    local t0 t1
    t0=$(seconds)
    "$bin/torvik-cli" fleet write "$work/template.dat" "$work/roster$n.csv" "${devices[@]}" \
        --verify --no-backup --yes --log "$work/log$n.csv" --home "$work/home" > /dev/null
    t1=$(seconds)
    kill "${radios[@]}"; wait "${radios[@]}" 2>/dev/null || true
    rm -f "$work"/tty*
    echo "$t1 - $t0" | bc -l
}

one=$(measure 1)
many=$(measure "$count")
rows=$(grep -c . "$work/log$count.csv")
printf "1 radio:   %.2f s (write and verify)\n" "$one"
printf "%d radios:  %.2f s (%d log rows)\n" "$count" "$many" "$((rows - 1))"
printf "ratio:     %.3f   (target at most 1.1)\n" "$(echo "$many / $one" | bc -l)"

#!/usr/bin/env bash
# Compares the program with a bare Qt window (the floor) under Xvfb: start-up until the window is
# painted, resident memory, CPU while idle; adds the in-process cost of a digit and of "OK".
# Prints one table. Nothing here fails on its numbers.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-25}
build=${BUILD_DIR:-build}

if [ "${1:-}" != --inside ]; then
    cmake --preset default -B "$build" -DVUVERE_BENCH=ON >/dev/null
    cmake --build "$build" --target vuvere-rovivudevu bench_floor bench_input startwatch >/dev/null
    tmp=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -br -noreset \
        3>"$tmp/display" 2>/dev/null &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
    for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
    # Xvfb names its display before it accepts connections.
    for _ in $(seq 100); do
        xdpyinfo -display ":$(cat "$tmp/display")" >/dev/null 2>&1 && break
        sleep 0.1
    done
    mkdir -m 700 "$tmp/runtime"
    DISPLAY=:$(cat "$tmp/display") XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=xcb \
        timeout 600 dbus-run-session -- "$0" --inside "$tmp" "$build" 2>"$tmp/errors" ||
        { cat "$tmp/errors" >&2; exit 1; }
    exit
fi

tmp=$2
build=$3
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
declare -A start cpu rss idle
declare -A bin=([floor]=$build/bench_floor [ours]=$build/vuvere-rovivudevu)
for _ in $(seq "$runs"); do
    for p in floor ours; do "$build"/startwatch 0 "${bin[$p]}" >>"$tmp/$p"; done
done
for p in floor ours; do
    start[$p]=$(cut -d' ' -f1 "$tmp/$p" | median)
    cpu[$p]=$(cut -d' ' -f2 "$tmp/$p" | median)
    rss[$p]=$(cut -d' ' -f3 "$tmp/$p" | median)
    idle[$p]=$("$build"/startwatch 5 "${bin[$p]}" | cut -d' ' -f4)
done
"$build"/bench_input >"$tmp/input" 2>&1 || true
cost() {
    awk -v f="RESULT : BenchInput::$1()" 'index($0, f) { getline; print $1; exit }' "$tmp/input"
}

row() { printf '%-28s %10s %10s %7s   %s\n' "$@"; }
compare() { row "$1" "$2" "$3" "$(awk -v a="$3" -v b="$2" 'BEGIN { printf "%.2f", a / b }')" "$4"; }
cpu_name=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)
echo "Machine: $(nproc) x $cpu_name; medians of $runs starts"
row measure floor ours ratio target
compare "start-up to painted (ms)" "${start[floor]}" "${start[ours]}" "<= 1.15"
compare "main thread CPU to it (ms)" "${cpu[floor]}" "${cpu[ours]}" -
compare "resident memory (KiB)" "${rss[floor]}" "${rss[ours]}" "<= 1.2"
row "CPU idle 5 s (ticks)" "${idle[floor]}" "${idle[ours]}" - 0
for b in digit okRight okWrong; do row "$b (ms)" - "$(cost $b)" - "well under 1"; done

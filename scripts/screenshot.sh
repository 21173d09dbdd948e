#!/usr/bin/env bash
# Renders the main window on a private Xvfb with the box of a wrong answer open and writes it,
# cropped to the two windows, to docs/screenshot.png.
# Usage: scripts/screenshot.sh [program] [output]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/vuvere-rovivudevu}")
output=$(realpath -m "${2:-$root/docs/screenshot.png}")

# A private session bus, so that the program starts no bus of its own that would outlive it.
if [ -z "${VUVERE_SCREENSHOT_SESSION:-}" ]; then
    exec env VUVERE_SCREENSHOT_SESSION=1 dbus-run-session -- "$0" "$program" "$output"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        timeout 10 tail --pid="${pids[i]}" -f /dev/null || kill -9 "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
export XDG_RUNTIME_DIR="$work"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

"$program" 2>"$work/program.log" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "${pids[1]}" \
    --name '^Vuvere Rovivudevu' | head -n1) || true
[ -n "$window" ] || { echo "the program showed no window" >&2; exit 1; }
sleep 1  # let the first paint finish
# An empty answer is a wrong one.
xdotool key --window "$window" Return
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rechenfehler$' | head -n1) || true
[ -n "$box" ] || { echo "the program showed no box" >&2; exit 1; }
sleep 1

# The smallest rectangle that holds both windows.
read -r left top right bottom < <(
    for w in "$window" "$box"; do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        echo "$X $Y $((X + WIDTH)) $((Y + HEIGHT))"
    done | awk 'NR == 1 {l = $1; t = $2; r = $3; b = $4}
                {l = $1 < l ? $1 : l; t = $2 < t ? $2 : t; r = $3 > r ? $3 : r; b = $4 > b ? $4 : b}
                END {print l, t, r, b}')

mkdir -p "$(dirname "$output")"
crop="$((right - left))x$((bottom - top))+$left+$top"
/usr/bin/import -window root -crop "$crop" +repage "$output"
echo "wrote $output"

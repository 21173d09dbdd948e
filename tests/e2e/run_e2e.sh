#!/usr/bin/env bash
# Runs the end-to-end scenarios against the program given as $1 (further arguments go to unittest):
# a private D-Bus session, Xvfb without a window manager and the accessibility bus.
set -euo pipefail
program=$(realpath "$1")
shift
here=$(dirname "$(realpath "$0")")

if [ -z "${VUVERE_E2E_SESSION:-}" ]; then
    exec env VUVERE_E2E_SESSION=1 dbus-run-session -- "$0" "$program" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    # Newest first, each one's children before it, so that every parent reaps its own.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        for pid in $(ps -o pid= --ppid "${pids[i]}") "${pids[i]}"; do
            kill "$pid" 2>/dev/null || true
            timeout 10 tail --pid="$pid" -f /dev/null || kill -9 "$pid" 2>/dev/null || true
        done
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The accessibility bus puts its socket under XDG_RUNTIME_DIR: keep it private to this run.
export XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/at-spi.log" &
pids+=($!)
for _ in $(seq 100); do  # asks without activating, which would start a second launcher
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
done

export VUVERE_PROGRAM="$program" VUVERE_E2E_LOG="$work/program.log" PYTHONDONTWRITEBYTECODE=1
cd "$here"
status=0
timeout 270 /usr/bin/python3 -W ignore::DeprecationWarning -m unittest "$@" test_scenarios || status=$?
if [ "$status" -ne 0 ] && [ -s "$work/program.log" ]; then
    echo "--- output of the program:" >&2
    tail -n 50 "$work/program.log" >&2
fi
exit "$status"

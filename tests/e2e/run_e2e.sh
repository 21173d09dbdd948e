#!/usr/bin/env bash
# Runs the end-to-end test against the program given as $1 in a private D-Bus session, on Xvfb
# without a window manager, with the accessibility bus.
set -euo pipefail
[ -n "${VUVERE_E2E_SESSION:-}" ] || exec env VUVERE_E2E_SESSION=1 dbus-run-session -- \
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
export VUVERE_PROGRAM=$(realpath "$1") XDG_RUNTIME_DIR=$(mktemp -d) PYTHONDONTWRITEBYTECODE=1
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
# Each started process is ended with its children when the test ends, however it ends.
trap 'pkill -P $$ || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
until dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.Bus 2>/dev/null | grep -q true; do sleep 0.1; done
cd "$(dirname "$0")"
timeout 120 /usr/bin/python3 -W ignore::DeprecationWarning -m unittest test_e2e

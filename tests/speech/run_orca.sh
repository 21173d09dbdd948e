#!/usr/bin/env bash
# Runs the screen-reader session against the program given as $1, on an X display and a D-Bus
# session of its own, under a watchdog.
set -euo pipefail
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
program=$(realpath "$1")
cd "$(dirname "$0")"
work=$(mktemp -d -t vuvere-orca-XXXXXX)
trap 'rm -rf "$work"' EXIT
VUVERE_ORCA_WORK=$work PYTHONDONTWRITEBYTECODE=1 timeout --kill-after=10 420 \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    dbus-run-session -- /usr/bin/python3 -u test_orca.py "$program"

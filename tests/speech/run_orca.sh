#!/usr/bin/env bash
# Runs the screen-reader session against the program given as $1: test_orca.py starts its own
# private D-Bus session under a watchdog.
set -euo pipefail
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
program=$(realpath "$1")
cd "$(dirname "$0")"
exec env PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -u test_orca.py "$program"

#!/usr/bin/env python3
"""Measures where the info window's frame stands at its first showing under openbox.

Usage: dbus-run-session -- scripts/info_centring.py build/vuvere-rovivudevu [RUNS]

Starts Xvfb (1280 x 1024) and openbox, then RUNS times (50 unless told) starts the program,
clicks "Info" and follows the info window's frame (client geometry from xwininfo plus the
window manager's _NET_FRAME_EXTENTS) every 50 ms for 3 s. A run counts as centred when the
frame's centre is within 1 px of the screen's from the first look at the mapped window on,
and stays so. Prints one line a run and the count.
"""
import os
import re
import subprocess
import sys
import time

WIDTH, HEIGHT = 1280, 1024
INFO_BUTTON = (480, 24)  # the "Info" picture button, in the main window's client area


def out(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=10).stdout


def window(name):
    for _ in range(100):
        if ids := out("xdotool", "search", "--onlyvisible", "--name", name).split():
            return ids[0]
        time.sleep(0.05)
    raise RuntimeError(f"no window {name}")


def frame_centre(wid):
    info = out("xwininfo", "-id", wid)
    x, y, w, h = (int(re.search(f"{key}: *(-?\\d+)", info)[1]) for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)", out("xprop", "-id", wid, "_NET_FRAME_EXTENTS"))
    if not extents:
        return None  # not framed yet
    left, right, top, bottom = map(int, extents.groups())
    return (x - left + (w + left + right) / 2, y - top + (h + top + bottom) / 2)


def main():
    program, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 50
    display = ":77"
    os.environ.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp"])
    time.sleep(1)
    wm = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
    time.sleep(1)
    centred = 0
    try:
        for run in range(1, runs + 1):
            app = subprocess.Popen([program], stderr=subprocess.DEVNULL)
            main_id = window("^Vuvere Rovivudevu: ")
            time.sleep(0.3)
            subprocess.run(["xdotool", "mousemove", "--window", main_id, *map(str, INFO_BUTTON), "click", "1"])
            info_id = window("^Programm-Info$")
            seen = []
            for _ in range(60):
                if (centre := frame_centre(info_id)) and (not seen or seen[-1] != centre):
                    seen.append(centre)
                time.sleep(0.05)
            good = all(abs(cx - WIDTH / 2) <= 1 and abs(cy - HEIGHT / 2) <= 1 for cx, cy in seen)
            centred += good
            print(f"run {run}: {'centred' if good else 'MISPLACED'}, frame centres seen: {seen}", flush=True)
            app.kill()
            app.wait()
    finally:
        wm.kill()
        server.kill()
    print(f"{centred} of {runs} first showings centred by their frame")


main()

#!/usr/bin/env python3
"""Measures where the info window's frame stands at its first showing under openbox.

Usage: dbus-run-session -- scripts/info_centring.py build/vuvere-rovivudevu [RUNS]

Starts Xvfb (1280 x 1024) and openbox, then RUNS times (50 unless told) starts the program,
clicks "Info" and follows the info window's frame (client geometry from xwininfo plus the
window manager's _NET_FRAME_EXTENTS) every 50 ms for 3 s. A run counts as centred when the
frame's centre ends within 1 px of the screen's; it also counts whether every look before
found it there. Prints one line a run and the counts.
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
    keys = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
    x, y, w, h = (int(re.search(f"{key}: *(-?\\d+)", info)[1]) for key in keys)
    frame = out("xprop", "-id", wid, "_NET_FRAME_EXTENTS")
    extents = re.search(r"= (\d+), (\d+), (\d+), (\d+)", frame)
    if not extents:
        return None  # not framed yet
    left, right, top, bottom = map(int, extents.groups())
    return (x - left + (w + left + right) / 2, y - top + (h + top + bottom) / 2)


def main():
    program, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 50
    display = ":77"
    os.environ.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
    screen = f"{WIDTH}x{HEIGHT}x24"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", screen, "-nolisten", "tcp"])
    time.sleep(1)
    wm = subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)
    time.sleep(1)
    centred = steady = 0
    try:
        for run in range(1, runs + 1):
            app = subprocess.Popen([program], stderr=subprocess.DEVNULL)
            main_id = window("^Vuvere Rovivudevu: ")
            time.sleep(0.3)
            place = map(str, INFO_BUTTON)
            subprocess.run(["xdotool", "mousemove", "--window", main_id, *place, "click", "1"])
            info_id = window("^Programm-Info$")
            seen = []
            for _ in range(60):
                if (centre := frame_centre(info_id)) and (not seen or seen[-1] != centre):
                    seen.append(centre)
                time.sleep(0.05)
            right = [abs(cx - WIDTH / 2) <= 1 and abs(cy - HEIGHT / 2) <= 1 for cx, cy in seen]
            centred += right[-1]
            steady += all(right)
            verdict = "centred" if right[-1] else "MISPLACED"
            print(f"run {run}: {verdict}, frame centres seen: {seen}", flush=True)
            app.kill()
            app.wait()
    finally:
        wm.kill()
        server.kill()
    print(f"{centred} of {runs} first showings centred by their frame; "
          f"{steady} of them never seen elsewhere")


main()

"""Starts the program, drives it with real X input (xdotool) and reads it through the accessibility bus."""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

import pyatspi
from gi.repository import Atspi

PROGRAM = os.environ["VUVERE_PROGRAM"]
DESKTOP = pyatspi.Registry.getDesktop(0)
# Read every name live: a cached label text can lag behind the program.
DESKTOP.set_cache_mask(Atspi.Cache.NONE)

# Main window labels by their top-left corner in twips.
TASK, ANSWER, ERRORS, RIGHT = (240, 1560), (2640, 1560), (1920, 600), (1080, 600)


def wait_for(predicate, what, timeout=10):
    end = time.monotonic() + timeout
    while True:
        try:
            value = predicate()
        except Exception:  # objects vanish while windows open and close
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def run(*command):
    return subprocess.run(command, check=True, timeout=10, capture_output=True).stdout


def key(*keys):
    run("xdotool", "key", "--delay", "15", *keys)


def click(accessible):
    box = extents(accessible)
    run("xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def extents(accessible):
    return accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def read_environ(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as environ:
            return environ.read().split(b"\0")
    except OSError:  # gone, or not ours to read
        return []


def find(root, role, name=None):
    """The first descendant with this role (and name), depth first."""
    for child in root:
        if child.getRoleName() == role and (name is None or child.name == name):
            return child
        found = find(child, role, name)
        if found:
            return found
    return None


def answer_parts(task):
    """Tens part, units part and product for a task such as ' 4 7 · 8 =' or ' 8 · 4 7 =': 320, 56, 376."""
    parts = task.split()
    factor, tens, units = (int(parts[i]) for i in ((3, 0, 1) if parts[2] == "·" else (0, 2, 3)))
    return str(factor * 10 * tens), str(factor * units), str(factor * (10 * tens + units))


class ProgramCase(unittest.TestCase):
    """Each test gets a fresh program process, killed when the test ends."""

    def start(self, **env):
        self.runtime = tempfile.mkdtemp(prefix="vuvere-e2e-")  # mkdtemp makes it 0700
        self.addCleanup(shutil.rmtree, self.runtime, True)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=self.runtime, **env)
        with open(os.environ.get("VUVERE_E2E_LOG", os.devnull), "ab") as log:
            self.process = subprocess.Popen([PROGRAM], env=env, stdout=log, stderr=log)
        self.addCleanup(self.stop)
        self.app = wait_for(lambda: next(a for a in DESKTOP if a and a.get_process_id() == self.process.pid),
                            "the program on the accessibility bus")
        self.main = self.window("Vuvere Rovivudevu: ")

    def setUp(self):
        self.start()

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=10)

    def processes_left(self):
        """Processes that still carry this test's runtime directory in their environment."""
        mark = f"XDG_RUNTIME_DIR={self.runtime}".encode()
        return [pid for pid in filter(str.isdigit, os.listdir("/proc")) if mark in read_environ(pid)]

    def geometry(self):
        """The X window of the main window, as xwininfo reports it: x, y, width, height."""
        window = wait_for(lambda: run("xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                                      "--name", "^Vuvere Rovivudevu: ").split()[0], "the X window")
        info = run("xwininfo", "-id", window).decode()
        fields = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        return tuple(int(re.search(rf"{field}:\s+(-?\d+)", info).group(1)) for field in fields)

    def window(self, title_start, role="filler"):
        """A shown top-level window of the program whose title starts so."""
        def shown():
            return next(w for w in self.app if w.getRoleName() == role and w.name.startswith(title_start)
                        and w.getState().contains(pyatspi.STATE_SHOWING))
        return wait_for(shown, f"window {title_start!r}")

    def alert(self, title):
        """A message box with this title: returns its text."""
        box = self.window(title, role="alert")
        return wait_for(lambda: next(c.name for c in box if c.getRoleName() == "label" and c.name), "alert text")

    def alerts(self):
        return [w.name for w in self.app if w.getRoleName() == "alert" and w.getState().contains(pyatspi.STATE_SHOWING)]

    def alert_gone(self):
        wait_for(lambda: not self.alerts(), "the message box to close")

    def text(self, corner):
        """The text of the main window label whose top-left corner lies at these twips."""
        origin = extents(self.main)
        x, y = origin.x + corner[0] // 15, origin.y + corner[1] // 15
        return next(c.name for c in self.main if c.getRoleName() == "label"
                    and abs(extents(c).x - x) <= 1 and abs(extents(c).y - y) <= 1)

    def wait_text(self, corner, expected):
        wait_for(lambda: self.text(corner) == expected, f"label at {corner} to read {expected!r}")

    def task(self):
        return wait_for(lambda: re.fullmatch(r"( [1-9] [1-9] \u00b7 [2-9]| [2-9] \u00b7 [1-9] [1-9]) =",
                                             self.text(TASK)) and self.text(TASK), "a task")

    def answer_right(self):
        """Types the right answer to the task shown and confirms it; returns the task."""
        task, right = self.task(), int(self.text(RIGHT))
        key(*"".join(answer_parts(task)), "Return")
        self.wait_text(RIGHT, str(right + 1))
        return task

    def answer_wrong(self):
        task, errors = self.task(), int(self.text(ERRORS))
        tens, units, _ = answer_parts(task)
        key(*tens + units, "0", "Return")
        self.assertEqual(self.alert("Rechenfehler"), "Das ist leider falsch!\n")
        self.assertEqual(self.text(ANSWER), f"{tens}+{units}=0")  # still shown behind the message
        key("Return")
        self.alert_gone()
        self.wait_text(ERRORS, str(errors + 1))
        return task

"""The real program on a real X server, driven by real keys and clicks, read through the accessibility bus."""
import os
import subprocess
import time
import unittest

import pyatspi
from gi.repository import Atspi

DESKTOP = pyatspi.Registry.getDesktop(0)
DESKTOP.set_cache_mask(Atspi.Cache.NONE)  # a cached label text can lag behind the program


def wait_for(predicate, what):
    for _ in range(200):
        try:
            if value := predicate():
                return value
        except Exception:  # objects vanish while windows open and close
            pass
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def run(*args):
    return subprocess.run(args, check=True, timeout=10, capture_output=True, text=True).stdout


def keys(*names):
    run("xdotool", "key", "--delay", "20", *names)


def find(root, role, name):
    for child in root:
        if child.getRole() == role and child.name.startswith(name) and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
        if found := find(child, role, name):
            return found
    return None


def edges(thing):
    box = thing.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.x + box.width, box.y + box.height


class EndToEnd(unittest.TestCase):
    def click(self, role, name, within=None):
        left, top, right, bottom = edges(wait_for(lambda: find(within or self.app, role, name), name))
        run("xdotool", "mousemove", str((left + right) // 2), str((top + bottom) // 2), "click", "1")

    def answer(self, title, button, *keep_clear):
        """Reads the text of the message box with this title, then answers it with a key or a click.
        A box asked to keep clear of parts of the main window must also belong to that window."""
        box = wait_for(lambda: find(self.app, Atspi.Role.ALERT, title), title)
        text = wait_for(lambda: next(c.name for c in box if c.getRole() == Atspi.Role.LABEL and c.name), "its text")
        for area in keep_clear:
            (left, top, right, bottom), (x0, y0, x1, y1) = edges(box), edges(area)
            self.assertTrue(right <= x0 or x1 <= left or bottom <= y0 or y1 <= top, f"{title} covers {area.name!r}")
        if keep_clear:
            box_id, main_id = (run("xdotool", "search", "--name", name).split()[0] for name in (f"^{title}$", "^Vuvere Rovivudevu: "))
            self.assertEqual(int(run("xprop", "-id", box_id, "WM_TRANSIENT_FOR").split()[-1], 16), int(main_id))
        keys(button) if button == "Return" else self.click(Atspi.Role.PUSH_BUTTON, button, box)
        return text

    def task(self):
        """The parts of the right answer to the task shown, such as 320, 56 and 376 for 47 · 8."""
        task = wait_for(lambda: find(self.app, Atspi.Role.LABEL, " ").name.split(), "a task")
        factor, tens, units = (int(task[i]) for i in ((3, 0, 1) if task[2] == "·" else (0, 2, 3)))
        return str(10 * factor * tens), str(factor * units), str(factor * (10 * tens + units))

    def test_a_session(self):
        program = subprocess.Popen([os.environ["VUVERE_PROGRAM"]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.addCleanup(lambda: program.poll() is None and program.kill())
        self.app = wait_for(lambda: next(a for a in DESKTOP if a and a.get_process_id() == program.pid), "the program")
        counters = lambda: [c.name for c in find(self.app, Atspi.Role.FILLER, "Vuvere") if c.getRole() == Atspi.Role.LABEL][1:3]
        # A wrong answer on the top row stays shown, clear of the box that says so; then right
        # answers on the keypad, the tenth rewarded.
        tens, units, total = self.task()
        keys(*tens, *units, *total[:-1], "Return")
        shown = (find(self.app, Atspi.Role.LABEL, " "), find(self.app, Atspi.Role.LABEL, f"{tens}+{units}={total[:-1]}"))
        self.assertEqual(self.answer("Rechenfehler", "Return", *shown), "Das ist leider falsch!\n")
        for count in range(1, 11):
            keys(*("KP_" + digit for digit in "".join(self.task())), "KP_Enter")
            wait_for(lambda: counters() == [f"{count} richtig", "1 Fehler"], f"{count} right answers counted")
        self.assertEqual(self.answer("Memoryspiel", "Return"), "Jetzt gibt es eine Belohnung.")
        # One turn by keys, from the first card, where the focus starts; then Esc for STOP.
        wait_for(lambda: find(self.app, Atspi.Role.LABEL, "Karte 1").getState().contains(pyatspi.STATE_FOCUSED), "the first card focused")
        keys("space", "Right", "Return")
        wait_for(lambda: all(find(self.app, Atspi.Role.LABEL, card).description != "verdeckt" for card in ("Karte 1", "Karte 2")), "a turn by keys")
        keys("Escape")
        self.answer("Memory", "Ja")
        # A picture button: the error list is shown while it is copied.
        self.click(Atspi.Role.PUSH_BUTTON, "Check")
        clear = (find(self.app, Atspi.Role.LABEL, " "), wait_for(lambda: find(self.app, Atspi.Role.LIST, ""), "the error list"))
        self.assertEqual(self.answer("Fehlerliste kopieren", "Ja", *clear), "Die Fehlerliste kopieren?\n\n")
        self.answer("Fehlerliste kopieren", "Return")
        # Esc asks first: Enter answers "Nein", the default; "Ja" ends the program with status 0.
        for button in ("Return", "Ja"):
            self.click(Atspi.Role.LABEL, " ")
            keys("Escape")
            self.assertEqual(self.answer("Vuvere Rovivudevu", button), "Dieses Programm jetzt beenden?\n\n")
        self.assertEqual(program.wait(timeout=10), 0)

"""The real program on a real X server, driven by real keys and clicks, read through the accessibility bus."""
import os
import subprocess
import time
import unittest

import pyatspi
from gi.repository import Atspi

DESKTOP = pyatspi.Registry.getDesktop(0)
DESKTOP.set_cache_mask(Atspi.Cache.NONE)  # a cached label text can lag behind the program


def wait_for(predicate, what, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            if value := predicate():
                return value
        except Exception:  # objects vanish while windows open and close
            pass
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def click(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def find(root, role, name=None):
    for child in root:
        if child.getRoleName() == role and name in (None, child.name):
            return child
        if found := find(child, role, name):
            return found
    return None


class EndToEnd(unittest.TestCase):
    def window(self, title, role="filler"):
        return wait_for(lambda: next(w for w in self.app if w.getRoleName() == role and w.name.startswith(title)
                                     and w.getState().contains(pyatspi.STATE_SHOWING)), f"window {title!r}")

    def answer(self, title, button):
        """Reads the text of the message box with this title, then presses one of its buttons."""
        box = self.window(title, "alert")
        text = wait_for(lambda: next(c.name for c in box if c.getRoleName() == "label" and c.name), "its text")
        xdotool("key", button) if button in ("Return", "Escape") else click(find(box, "push button", button))
        return text

    def labels(self):
        return [c.name for c in self.main if c.getRoleName() == "label"]

    def right_answer(self):
        """The digits of the right answer to the task shown, such as 32056376 for 47 · 8."""
        task = wait_for(lambda: next(t for t in self.labels() if t.endswith(" =")), "a task").split()
        factor, tens, units = (int(task[i]) for i in ((3, 0, 1) if task[2] == "·" else (0, 2, 3)))
        return f"{10 * factor * tens}{factor * units}{factor * (10 * tens + units)}"

    def test_a_session(self):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        program = subprocess.Popen([os.environ["VUVERE_PROGRAM"]], env=env)
        self.addCleanup(lambda: program.poll() is None and program.kill())
        self.app = wait_for(lambda: next(a for a in DESKTOP if a and a.get_process_id() == program.pid), "the program")
        self.main = self.window("Vuvere Rovivudevu: Freund und Gast")
        # A wrong answer on the top row, still shown behind its box; then right answers on the keypad.
        xdotool("key", "--delay", "20", *self.right_answer()[:-1], "Return")
        self.assertEqual(self.answer("Rechenfehler", "Return"), "Das ist leider falsch!\n")
        for count in range(1, 11):
            xdotool("key", "--delay", "20", *("KP_" + digit for digit in self.right_answer()), "KP_Enter")
            wait_for(lambda: self.labels()[1:3] == [str(count), "1"], f"{count} right answers counted")
        # Every tenth right answer is rewarded: a card turned by a click, then STOP.
        self.assertEqual(self.answer("Memoryspiel", "Return"), "Jetzt gibt es eine Belohnung.")
        memory = self.window("Memory")
        card = find(memory, "label", "Karte 1")
        click(card)
        wait_for(lambda: card.description in "123456789", "the card turned up")
        click(find(memory, "push button", "STOP"))
        self.answer("Memory", "Ja")
        self.main = self.window("Vuvere Rovivudevu: ")
        # A click on a picture button: the error list is copied.
        click(find(self.main, "push button", "Check"))
        self.assertEqual(self.answer("Fehlerliste kopieren", "Ja"), "Die Fehlerliste kopieren?\n\n")
        self.answer("Fehlerliste kopieren", "Return")
        # Esc asks first; "Ja" ends the program with status 0.
        xdotool("key", "Escape")
        self.assertEqual(self.answer("Vuvere Rovivudevu", "Ja"), "Dieses Programm jetzt beenden?\n\n")
        self.assertEqual(program.wait(timeout=10), 0)

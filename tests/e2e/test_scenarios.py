"""End-to-end scenarios: the real program on a real X server, seen through the accessibility bus."""
import pyatspi
from driver import ANSWER, ERRORS, RIGHT, ProgramCase, answer_parts, click, find, key, run, wait_for


class Scenarios(ProgramCase):
    def test_start_up(self):
        self.assertEqual(self.main.name, "Vuvere Rovivudevu: Freund und Gast")
        x, y, width, height = self.geometry()
        self.assertEqual((width, height), (515, 247))
        self.assertLessEqual(abs(x - (1280 - 515) / 2), 1)
        self.assertLessEqual(abs(y - (1024 - 247) / 2), 1)
        self.assertEqual((self.text(ERRORS), self.text(RIGHT), self.text(ANSWER)), ("0", "0", ""))
        self.task()

    def test_right_answers_with_digit_keys_and_keypad(self):
        self.answer_right()
        self.wait_text(ANSWER, "")
        tens, units, product = answer_parts(self.task())
        key(*("KP_" + digit for digit in tens + units + product))
        self.wait_text(ANSWER, f"{tens}+{units}={product}")  # the program puts in "+" and "="
        key("KP_Enter")
        self.wait_text(RIGHT, "2")
        # One Enter checks once: a second check would find the emptied answer wrong.
        self.assertEqual((self.text(ANSWER), self.text(ERRORS), self.alerts()), ("", "0", []))

    def test_wrong_answer_is_counted_and_task_stays(self):
        task = self.answer_wrong()
        self.assertEqual((self.text(RIGHT), self.task(), self.text(ANSWER)), ("0", task, ""))

    def test_ten_right_answers_then_memory(self):
        for _ in range(10):
            self.answer_right()
        self.assertEqual(self.alert("Memoryspiel"), "Jetzt gibt es eine Belohnung.")
        task = self.task()
        key("Return")
        memory = self.window("Memory")
        wait_for(lambda: not self.main.getState().contains(pyatspi.STATE_SHOWING), "the main window to hide")
        cards = {k: find(memory, "label", f"Karte {k}") for k in range(1, 19)}
        digits = {}

        def turn_up(k):
            click(cards[k])
            digits[k] = wait_for(lambda: cards[k].description != "verdeckt" and cards[k].description, f"card {k}")

        for k in range(1, 19):  # look at every card once, two per turn
            turn_up(k)
            if digits[k] == "gefunden":
                self.assertIn(digits[k - 1], "123456789")
                digits[k] = digits[k - 1] = "gefunden"
        pairs = {}
        for k, digit in digits.items():
            pairs.setdefault(digit, []).append(k)
        pairs.pop("gefunden", None)
        self.assertTrue(all(len(cards_of) == 2 for cards_of in pairs.values()), digits)
        for first, second in pairs.values():
            turn_up(first)
            turn_up(second)
            self.assertEqual(cards[first].description, "gefunden")
        self.assertEqual(self.alert("Memory"), "  Das Spiel ist beendet!")
        key("Return")
        self.main = self.window("Vuvere Rovivudevu: ")
        self.assertEqual((self.text(RIGHT), self.task(), self.text(ANSWER)), ("10", task, ""))

    def test_export_of_two_wrong_answers(self):
        first = self.answer_wrong()
        self.answer_right()
        while self.task() == first:
            self.answer_right()
        second = self.answer_wrong()
        click(find(self.main, "push button", "Check"))
        self.assertEqual(self.alert("Fehlerliste kopieren"), "Die Fehlerliste kopieren?\n\n")
        click(find(self.window("Fehlerliste kopieren", "alert"), "push button", "Ja"))
        wait_for(lambda: "kopiert" in self.alert("Fehlerliste kopieren"), "the copy confirmation")
        key("Return")
        self.alert_gone()
        gaps = " _____ + ___ = _____\r\n"
        expected = "Fehlerliste von QRW-Vuvere Rovivudevu:\r\n\r\n" + first + gaps + second + gaps
        self.assertEqual(run("xclip", "-o", "-selection", "clipboard").decode(), expected)

    def test_new_user(self):
        click(find(self.main, "push button", "Name"))
        dialog = self.window("Neuer Benutzer", "dialog")
        wait_for(lambda: find(dialog, "text"), "the name field").queryEditableText().setTextContents("Anna Lena")
        click(find(dialog, "push button", "OK"))
        wait_for(lambda: self.main.name == "Vuvere Rovivudevu: Anna Lena", "the new caption")

    def test_quit_asks_and_ends_cleanly(self):
        key("1", "Escape")
        self.assertEqual(self.alert("Vuvere Rovivudevu"), "Dieses Programm jetzt beenden?\n\n")
        key("Return")  # answers the default, "Nein"
        self.alert_gone()
        self.assertEqual((self.text(ANSWER), self.process.poll()), ("1", None))
        self.assertTrue(self.main.getState().contains(pyatspi.STATE_SHOWING))
        key("Escape")
        click(find(self.window("Vuvere Rovivudevu", "alert"), "push button", "Ja"))
        self.assertEqual(self.process.wait(timeout=10), 0)
        self.assertEqual(self.processes_left(), [])

    def test_scaled_display_doubles_the_window(self):
        self.process.kill()
        self.process.wait(timeout=10)
        self.start(QT_SCALE_FACTOR="2")
        self.assertEqual(self.geometry()[2:], (1030, 494))


"""A blind child's session with the real program and the real Orca screen reader, speaking into a
null audio device. Every step is taken by key; what Orca said is read from its debug log, printed
and checked: each message is said once, at its step. Where the boxes stand is read through the
accessibility bus, as Orca reads it."""
import contextlib
import ctypes
import os
import pathlib
import re
import shutil
import subprocess
import sys
import time

PROGRAM, WORK = sys.argv[1], os.environ["VUVERE_ORCA_WORK"]
LOG = os.path.join(WORK, "orca.log")
TASK = r"Aufgabe: (\d+) mal (\d+)"
# An utterance that is a role alone names a control without a name.
ROLES = "push button|button|list|list item|label|filler|panel|frame|dialog|alert|notification"
BARE_ROLE = re.compile(rf"\W*({ROLES})\W*", re.I)
started = []


def start(*args, **kwargs):
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    started.append(subprocess.Popen(args, **quiet, **kwargs))


def descendants(pid):
    with contextlib.suppress(OSError), open(f"/proc/{pid}/task/{pid}/children") as children:
        children = map(int, children.read().split())
        return [below for child in children for below in (*descendants(child), child)]
    return []


def stop_all():
    """Ends each process started here, newest first, with the processes it started (the speech
    module, the accessibility bus); then, as their subreaper, whatever is left, and reaps it."""
    for process in reversed(started):
        for pid in (*descendants(process.pid), process.pid):
            with contextlib.suppress(ProcessLookupError):
                os.kill(pid, 15)
        with contextlib.suppress(subprocess.TimeoutExpired):
            process.wait(timeout=10)
    for pid in descendants(os.getpid()):
        with contextlib.suppress(ProcessLookupError):
            os.kill(pid, 9)
    deadline = time.monotonic() + 10
    with contextlib.suppress(ChildProcessError):
        while time.monotonic() < deadline:
            if os.waitpid(-1, os.WNOHANG) == (0, 0):
                time.sleep(0.1)


def wait_until(condition, what, seconds=30):
    deadline = time.monotonic() + seconds
    while not condition():
        assert time.monotonic() < deadline, f"timed out waiting for {what}"
        time.sleep(0.2)


def output(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=10).stdout


def set_up():
    home, speechd, prefs = (pathlib.Path(WORK, name) for name in ("home", "speechd", "orca"))
    (home / "run").mkdir(mode=0o700, parents=True)
    os.environ.update(HOME=str(home), XDG_RUNTIME_DIR=str(home / "run"), LANG="C.UTF-8",
                      LC_ALL="C.UTF-8")
    shutil.copytree("/etc/speech-dispatcher", speechd)
    conf = speechd / "speechd.conf"
    conf.write_text(conf.read_text() + '\nAudioOutputMethod "libao"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    "DefaultModule espeak-ng\n")
    (home / ".libao").write_text("default_driver=null\n")
    prefs.mkdir()
    (prefs / "orca-customizations.py").write_text(
        "import orca.debug\n"
        "if getattr(orca.debug, 'debugFile', None):\n"
        "    orca.debug.debugFile.reconfigure(line_buffering=True)\n")
    start("openbox", "--sm-disable")
    wait_until(lambda: "window id" in output("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
               "the window manager")
    start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    bus = ("dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
           "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus")
    wait_until(lambda: "true" in output(*bus), "the accessibility bus")
    start("speech-dispatcher", "-s", "-t", "0", "-C", speechd)
    # Orca looks for other Orcas of this user with pgrep, machine-wide: with --replace it kills
    # them (another test run's, or the user's own screen reader), without it it refuses to start.
    # A pgrep that finds none keeps this Orca out of theirs, and theirs out of this one.
    bin_dir = pathlib.Path(WORK, "bin")
    bin_dir.mkdir()
    (bin_dir / "pgrep").write_text("#!/bin/sh\nexit 1\n")
    (bin_dir / "pgrep").chmod(0o755)
    start("orca", "-u", prefs, f"--debug-file={LOG}",
          env=dict(os.environ, PATH=f"{bin_dir}:{os.environ['PATH']}"))
    wait_until(lambda: os.path.exists(LOG) and heard(), "Orca's first words", 60)


def heard(offset=0):
    with open(LOG, encoding="utf-8", errors="replace") as log:
        log.seek(offset)
        utterances = re.findall(r"SPEECH OUTPUT: '(.*?)'\s*\{'established'", log.read(), re.S)
    return " | ".join(said.replace("\n", " ") for said in utterances)


def step(name, keys, *expected):
    """Presses the keys, waits until Orca has said what is expected and then kept still for half
    a second, prints what it said and returns it."""
    offset = os.path.getsize(LOG)
    if keys:
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True, timeout=30)
    try:
        wait_until(lambda: all(re.search(pattern, heard(offset)) for pattern in expected),
                   f"{expected} in {name!r}")
        for _ in range(20):
            size = os.path.getsize(LOG)
            time.sleep(0.5)
            if size == os.path.getsize(LOG):
                break
    finally:
        said = heard(offset)
        print(f"{name}: {said}", flush=True)
    nameless = [line for line in said.split(" | ") if BARE_ROLE.fullmatch(line)]
    assert not nameless, f"a control without a name: {nameless}"
    return said


def clear_of(title, *names):
    """The message box with this title belongs to the main window and keeps clear of the
    program's shown labels and lists whose names begin so."""
    import pyatspi
    from gi.repository import Atspi

    def shown(root):
        for child in root:
            if child.getState().contains(pyatspi.STATE_SHOWING):
                yield child
                yield from shown(child)

    def edges(thing):
        box = thing.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.x + box.width, box.y + box.height

    desktop = pyatspi.Registry.getDesktop(0)
    desktop.set_cache_mask(Atspi.Cache.NONE)  # a cached text can lag behind the program
    app = next(a for a in desktop if a and a.get_process_id() == started[-1].pid)
    roles = (Atspi.Role.LABEL, Atspi.Role.LIST, Atspi.Role.ALERT)
    controls = [c for c in shown(app) if c.getRole() in roles]
    alert = next(c for c in controls if c.getRole() == Atspi.Role.ALERT and c.name == title)
    left, top, right, bottom = edges(alert)
    for name in names:
        control = next(c for c in controls
                       if c.getRole() != Atspi.Role.ALERT and c.name.startswith(name))
        x0, y0, x1, y1 = edges(control)
        assert right <= x0 or x1 <= left or bottom <= y0 or y1 <= top, f"{title} covers {name!r}"
    box, main = (output("xdotool", "search", "--name", name).split()[0]
                 for name in (f"^{title}$", "^Vuvere Rovivudevu: "))
    owner = int(output("xprop", "-id", box, "WM_TRANSIENT_FOR").split()[-1], 16)
    assert owner == int(main), f"{title} is not the main window's"


def answer(said):
    """The parts of the right answer to the last task said: 320, 56 and 376 for 47 mal 8."""
    first, second = map(int, re.findall(TASK, said)[-1])
    factor, number = (first, second) if first < 10 else (second, first)
    return str(factor * (number - number % 10)), str(factor * (number % 10)), str(factor * number)


def once(said, *patterns):
    """Each pattern is said exactly once in this step."""
    for pattern in patterns:
        count = len(re.findall(pattern, said))
        assert count == 1, f"{pattern!r} said {count} times"


def the_task(said, task=None):
    """The one task said in this step, which must be the task set last, where it is known."""
    once(said, TASK)
    said_task = re.search(TASK, said)[0]
    assert task in (None, said_task), f"{said_task!r} said for {task!r}"
    return said_task


def number(said):
    """The turned card's number, wherever it is said but after the card's own number."""
    turned = re.search(r"Karte \d+: (\d)", said)[1]
    return rf"(?<!Karte )\b{turned}\b"


def play_to_the_end(seen):
    """Finds every pair by keys, from card 2 on, knowing the numbers seen; the last pair ends the
    game with its box, which comes after the pair is told."""
    at = 2
    found = {1, 2} if seen[1] == seen[2] else set()
    face_up = {1, 2} - found

    def turn(k, second):
        nonlocal at
        (row, column), (to_row, to_column) = divmod(at - 1, 6), divmod(k - 1, 6)
        moves = ["Down"] * (to_row - row) + ["Up"] * (row - to_row)
        moves += ["Right"] * (to_column - column) + ["Left"] * (column - to_column)
        end = len(found) == 16 and second
        expected = [rf"Karte {k}: \d"] + [r"Ein Paar!.*Das Spiel ist beendet"] * end
        said = step(f"card {k}", [*moves, "space"], *expected)
        once(said, rf"Karte {k}: ", *["Paar"] * second, *["Das Spiel ist beendet"] * end)
        at, seen[k] = k, int(re.search(rf"Karte {k}: (\d)", said)[1])

    while len(found) < 18:
        pairs = [k for k in seen if k not in found | face_up
                 and any(seen[j] == seen[k] for j in seen if j != k)]
        unknown = [k for k in range(1, 19) if k not in seen]
        first = pairs[0] if pairs else unknown[0]
        turn(first, False)
        partner = [j for j in seen if j != first and seen[j] == seen[first]]
        second = partner[0] if partner else next(k for k in unknown if k != first)
        turn(second, True)
        pair = seen[first] == seen[second]
        found |= {first, second} if pair else set()
        face_up = set() if pair else {first, second}


def session():
    start(PROGRAM, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    said = step("start", [], TASK)
    task = the_task(said)
    tens, units, total = answer(said)
    once(step("typing", [*tens], r"\bplus\b"), r"\bplus\b")
    once(step("typing", [*units], r"\bgleich\b"), r"\bgleich\b")
    said = step("the answer so far (F9)", ["F9"], rf"Deine Antwort: {tens} plus {units} gleich\b")
    once(said, "Deine Antwort")
    the_task(said, task)
    wrong = str(int(total) + 1)
    step("a wrong answer", [*wrong, "Return"], "Rechenfehler", "Das ist leider falsch")
    clear_of("Rechenfehler", " ", f"{tens}+{units}={wrong}")
    the_task(step("the box closed", ["Return"], TASK), task)
    said = step("a right answer", [*tens, *units, *total, "Return"],
                r"Richtig! 1 richtig\. Neue " + TASK)
    once(said, "Richtig!")
    task = the_task(said)
    step("help (F1)", ["F1"], "Zerlegungsaufgabe", "Rechne so")
    the_task(step("help closed", ["Return"], TASK), task)
    for count in range(2, 11):
        reward = ["Memoryspiel", "Jetzt gibt es eine Belohnung"] if count == 10 else []
        right = rf"Richtig! {count} richtig\."
        said = step(f"right answer {count}", [*"".join(answer(said)), "Return"], right, *reward)
        once(said, right, *reward)
        task = the_task(said)
        # The answer is told before the box it opens.
        assert not reward or re.search(right + ".*Memoryspiel", said), "the reward came first"
    said = step("the Memory game", ["Return"], r"Karte 1\b.*verdeckt")
    once(said, "Karte", "verdeckt")
    first = step("a card turned", ["space"], r"Karte 1: \d")
    once(first, "Karte", number(first))
    once(step("the next card", ["Right"], r"Karte 2\b.*verdeckt"), "Karte", "verdeckt")
    second = step("a second card turned", ["space"], r"Karte 2: \d\. (Ein|Kein) Paar")
    once(second, "Karte", number(second), "Paar")
    step("STOP by Esc", ["Escape"], "Das Spiel jetzt beenden")
    step("Nein, back to the card", ["Escape"], r"Karte 2\b")
    play_to_the_end({k: int(re.search(r"Karte \d: (\d)", turned)[1])
                     for k, turned in ((1, first), (2, second))})
    the_task(step("back from the game", ["Return"], TASK), task)
    said = step("the info window (F8)", ["F8"], "Programm-Info", "QRW 1 x 1 gro", "Version",
                r"www\.qrw\.example")
    once(said, "QRW 1 x 1 gro")
    the_task(step("back from the info window", ["Escape"], TASK), task)
    step("the error list (F4)", ["F4"], "Die Fehlerliste kopieren")
    clear_of("Fehlerliste kopieren", " ", "Fehlerliste")
    step("Ja", ["shift+Tab", "Return"], "Die Fehlerliste wurde kopiert")
    the_task(step("back from the error list", ["Return"], TASK), task)
    step("a new name (F5)", ["F5"], "Neuer Benutzer")
    the_task(step("the name given", [*"Anna", "Return"], TASK), task)
    step("Esc", ["Escape"], "Dieses Programm jetzt beenden")
    the_task(step("Nein, the default", ["Return"], TASK), task)
    step("Esc again", ["Escape"], "Dieses Programm jetzt beenden")
    subprocess.run(["xdotool", "key", "--delay", "150", "shift+Tab", "Return"], check=True,
                   timeout=30)
    assert started[-1].wait(timeout=10) == 0, "the program did not end well"


def main():
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: orphans come here, not to init
    try:
        set_up()
        session()
    finally:
        stop_all()
    print("Orca said every step.")


if __name__ == "__main__":
    main()

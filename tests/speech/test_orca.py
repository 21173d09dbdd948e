"""A blind child's session with the real Orca screen reader: every step is taken by key, and
what Orca said is read from its debug log, printed, and checked. Run by run_orca.sh."""
import ctypes
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAM = sys.argv[1]
WORK = os.environ.get("VUVERE_ORCA_SESSION") and tempfile.mkdtemp(prefix="vuvere-orca-")
LOG = WORK and os.path.join(WORK, "orca.log")
# An utterance that is a role alone names a control that has no name.
BARE_ROLE = re.compile(r"(push button|button|list|list item|label|filler|panel|frame|dialog|alert|"
                       r"notification|text|icon|image|unknown)\W*", re.I)
started = []


def start(*args, **kwargs):
    started.append(subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs))
    return started[-1]


def descendants(pid):
    try:
        with open(f"/proc/{pid}/task/{pid}/children") as children:
            pids = [int(child) for child in children.read().split()]
    except OSError:
        return []
    return [grandchild for child in pids for grandchild in [child, *descendants(child)]]


def signal(pids, number):
    for pid in pids:
        try:
            os.kill(pid, number)
        except ProcessLookupError:
            pass


def stop_all():
    """Ends the processes started here, each by its id, the last started first; children that
    they started themselves (the speech module, the accessibility bus) go before them. Being
    their subreaper, this process then collects every one that has ended."""
    for process in reversed(started):
        signal([*reversed(descendants(process.pid)), process.pid], 15)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    signal(descendants(os.getpid()), 9)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        try:
            if os.waitpid(-1, os.WNOHANG) == (0, 0):
                time.sleep(0.1)
        except ChildProcessError:
            break


def wait_until(condition, what, seconds=30):
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.1)
    return value


def quiet(*args):
    return subprocess.run(args, capture_output=True, text=True, timeout=10, env=os.environ).returncode == 0


def set_up():
    home, runtime = (os.path.join(WORK, name) for name in ("home", "run"))
    os.makedirs(home, mode=0o700)
    os.makedirs(runtime, mode=0o700)
    os.environ.update(HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                      LANG="C.UTF-8", LC_ALL="C.UTF-8")
    # speech-dispatcher speaks through espeak-ng into libao's null device: no sound card needed.
    speechd = os.path.join(WORK, "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", speechd)
    with open(os.path.join(speechd, "speechd.conf"), "a") as conf:
        conf.write('\nAudioOutputMethod "libao"\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                   "DefaultModule espeak-ng\n")
    with open(os.path.join(home, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    # Orca writes its log in blocks unless told to flush each line.
    prefs = os.path.join(WORK, "orca")
    os.makedirs(prefs)
    with open(os.path.join(prefs, "orca-customizations.py"), "w") as custom:
        custom.write("import orca.debug\nif orca.debug.debugFile:\n"
                     "    orca.debug.debugFile.reconfigure(line_buffering=True)\n")

    read_end, write_end = os.pipe()
    start("Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
          pass_fds=[write_end])
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    start("openbox", "--sm-disable")
    wait_until(lambda: quiet("xprop", "-root", "-notype", "_NET_SUPPORTING_WM_CHECK"), "the window manager")
    start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    wait_until(lambda: "true" in subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
         "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"], capture_output=True, text=True).stdout,
        "the accessibility bus")
    start("speech-dispatcher", "-s", "-t", "0", "-C", speechd)
    start("orca", "--replace", "-u", prefs, f"--debug-file={LOG}")
    wait_until(lambda: os.path.exists(LOG) and "SPEECH OUTPUT" in read_log(), "Orca's first words", 60)


def read_log(offset=0):
    with open(LOG, encoding="utf-8", errors="replace") as log:
        log.seek(offset)
        return log.read()


def utterances(text):
    return [match.replace("\n", " ") for match in re.findall(r"SPEECH OUTPUT: '(.*?)'\s*\{'established'", text, re.S)]


class Session:
    def __init__(self):
        self.offset = os.path.getsize(LOG)
        self.heard = []

    def step(self, name, keys, *expected, seconds=30):
        """Presses the keys, then waits until Orca has said everything expected and then kept
        still for a second. Prints what it said, checks it, and returns it."""
        if keys:
            subprocess.run(["xdotool", "key", "--delay", "150", *keys], check=True, timeout=30)
        said = []

        def done():
            nonlocal said
            text = read_log(self.offset)
            said = utterances(text)
            return all(re.search(pattern, " | ".join(said)) for pattern in expected)
        try:
            wait_until(done, f"{expected} in step {name!r}", seconds)
            size, still_by = -1, time.monotonic() + 10
            while size != os.path.getsize(LOG) and time.monotonic() < still_by:
                size = os.path.getsize(LOG)
                time.sleep(1.0)
            done()
        finally:
            print(f"{name}: " + " | ".join(said), flush=True)
        self.offset = os.path.getsize(LOG)
        self.heard += said
        return " | ".join(said)


def task(said, prefix="Aufgabe"):
    """The digits to type for the last task said, such as 320, 56 and 376 for 47 mal 8."""
    first, second = re.findall(prefix + r": (\d+) mal (\d+)", said)[-1]
    factor, twodigit = (int(first), int(second)) if len(first) == 1 else (int(second), int(first))
    tens, units = twodigit // 10 * 10, twodigit % 10
    return str(factor * tens), str(factor * units), str(factor * twodigit)


def session():
    program = start(PROGRAM, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    s = Session()
    said = s.step("start", [], r"Aufgabe: \d+ mal \d+")
    tens, units, total = task(said)
    s.step("typing", [*tens], r"\bplus\b")
    s.step("typing", [*units], r"\bgleich\b")
    s.step("the answer so far (F9)", ["F9"], rf"Deine Antwort: {tens} plus {units} gleich\b")
    wrong = str(int(total) + 1)
    s.step("a wrong answer", [*wrong, "Return"], "Rechenfehler", "Das ist leider falsch")
    s.step("the box closed", ["Return"], rf"Aufgabe: \d+ mal \d+")
    said = s.step("a right answer", [*"".join((tens, units, total)), "Return"], r"Richtig! 1 richtig\. Neue Aufgabe: \d+ mal \d+")
    s.step("help (F1)", ["F1"], "Zerlegungsaufgabe", "Rechne so")
    s.step("help closed", ["Return"], rf"Aufgabe: \d+ mal \d+")
    for count in range(2, 11):
        reward = ["Jetzt gibt es eine Belohnung"] if count == 10 else []
        said = s.step(f"right answer {count}", [*"".join(task(said, "Neue Aufgabe")), "Return"],
                      rf"Richtig! {count} richtig\.", *reward)
    s.step("the Memory game", ["Return"], r"Karte 1\b.*verdeckt")
    s.step("a card turned", ["space"], r"Karte 1: \d")
    s.step("STOP by Esc", ["Escape"], "Das Spiel jetzt beenden")
    s.step("back from the game", ["Return"], rf"Aufgabe: \d+ mal \d+")
    s.step("the info window (F8)", ["F8"], "Programm-Info", r"QRW 1 x 1 gro", r"Version", r"www\.qrw\.example")
    s.step("back from the info window", ["Escape"], rf"Aufgabe: \d+ mal \d+")
    nameless = [line for line in s.heard if BARE_ROLE.fullmatch(line.strip())]
    assert not nameless, f"controls said without a name: {nameless}"
    assert program.poll() is None, "the program has ended"


def main():
    # Orphans come here, not to init, and are collected: no process is left behind.
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
    if not os.environ.get("VUVERE_ORCA_SESSION"):
        # The whole session runs in a private D-Bus session, under a watchdog.
        session_run = subprocess.run(["timeout", "--kill-after=10", "300", "dbus-run-session", "--",
                                      sys.executable, "-u", __file__, PROGRAM], env=dict(os.environ, VUVERE_ORCA_SESSION="1"))
        stop_all()
        sys.exit(session_run.returncode)
    try:
        set_up()
        session()
    finally:
        stop_all()
        shutil.rmtree(WORK, ignore_errors=True)
    print("Orca heard every step.")


if __name__ == "__main__":
    main()

# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the tool by keyboard under the Orca screen reader and checks what Orca says, read from
the lines Orca writes to its debug log for each utterance. Every expectation is reported on its
own line; at the end comes everything Orca said, so a run shows what a blind user hears.

Usage: orca_speech.py TOOL (with DISPLAY set, inside a D-Bus session)
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

TOTAL_SECONDS = 420
STEP_SECONDS = 20
# What arrives after the awaited words, so a second reading of the same thing is caught too.
SETTLE_SECONDS = 2.0
BUTTON = r"(Druckknopf|Knopf|push button|button)"
WORKED_EXAMPLE_LABEL = "36x24 50mm / 39,6x27,0°"
SECOND_FOCAL_LENGTH = "35"
NOT_NUMERIC = "Falsche Zahleneingabe. (Komma = '.')"
NOTHING_DRAWN = "Keine Felder gezeichnet"
DRAWN_LIST = "Gezeichnete Felder:"

# Orca opens its debug file with a plain open(); line buffering lets the test read each
# utterance as it is spoken instead of when a block of the log fills up. Orca also declines to
# start beside any other Orca of the same user on the machine; this one has a display and buses
# of its own and disturbs no other.
ORCA_LAUNCHER = """
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "b" not in mode:
        return plain_open(file, mode, 1, *args[1:], **kwargs)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = open_line_buffered
sys.argv = ["orca", "--debug-file", log]
orca_main = runpy.run_path("/usr/bin/orca", run_name="orca_command")["main"]
orca_main.__globals__["otherOrcas"] = lambda: []
sys.exit(orca_main())
"""

# One utterance: its text may span lines; on its last line only the voice may follow it.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'(?= ?(?:voice=\S+)?[ \t]*(?:\{[^\n]*\})?$)",
                       re.DOTALL | re.MULTILINE)

failures = []


class Speech:
    """What Orca has said so far, in order."""

    def __init__(self, log_path):
        self.log_path = log_path
        self.seen = 0

    def all(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as log:
                # The log indents the further lines of an utterance.
                return [re.sub(r"\n\s+", "\n", u) for u in UTTERANCE.findall(log.read())]
        except FileNotFoundError:
            return []

    def mark(self):
        self.seen = len(self.all())

    def wait_for(self, matches, seconds=STEP_SECONDS):
        """Utterances since the last mark, once one of them satisfies `matches` and then a
        little longer (or at the deadline); with whether one did."""
        deadline = time.monotonic() + seconds
        met_at = None
        while True:
            heard = self.all()[self.seen:]
            now = time.monotonic()
            if met_at is None and matches_heard(matches, heard):
                met_at = now
            if (met_at is not None and now - met_at >= SETTLE_SECONDS) or now > deadline:
                return heard, met_at is not None
            time.sleep(0.2)


def matches_heard(matches, heard):
    """`matches` judges one utterance, or, where it says so, the whole sequence."""
    if getattr(matches, "judges_sequence", False):
        return matches(heard)
    return any(matches(u) for u in heard)


def apart_from_window(words):
    """An utterance with `words` that is not the window's description, which Orca 43 reads
    right after the window's name whenever the window becomes active again."""
    def matches(heard):
        return any(words in u and not (i > 0 and heard[i - 1].startswith("Tarvisol"))
                   for i, u in enumerate(heard))
    matches.judges_sequence = True
    return matches


def check(condition, what, heard):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        print(f"     Orca said: {heard!r}", flush=True)
        failures.append(what)


def whole_value(value):
    """The box read with its whole value, not the selection echo that says the value alone."""
    pattern = re.compile(rf"(?<![\d,]){re.escape(value)}(?![\d,])")
    return lambda u: u != value and bool(pattern.search(u))


def starts(words):
    return lambda u: u.startswith(words)


def says(pattern):
    compiled = re.compile(pattern)
    return lambda u: bool(compiled.search(u))


class Session:
    def __init__(self, tool):
        self.tool = tool
        self.work = tempfile.mkdtemp(prefix="orca-speech-")
        self.processes = []
        self.deadline = time.monotonic() + TOTAL_SECONDS
        self.env = self.private_environment()
        self.speech = Speech(os.path.join(self.work, "orca.log"))

    def private_environment(self):
        env = dict(os.environ)
        for name in ["HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                     "XDG_RUNTIME_DIR"]:
            path = os.path.join(self.work, name.lower())
            os.makedirs(path, mode=0o700)
            env[name] = path
        # Orca's messages follow LANGUAGE even where the system has no German locale; Qt
        # formats numbers from its own data for the locale named here.
        env.update(LANGUAGE="de", LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        env.pop("QT_ACCESSIBILITY", None)
        return env

    def start(self, name, command):
        output = open(os.path.join(self.work, name + ".out"), "w")
        process = subprocess.Popen(command, env=self.env, stdout=output,
                                   stderr=subprocess.STDOUT)
        self.processes.append((name, process))
        return process

    def stop_all(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    print(f"{name} did not end on request; killed", flush=True)
                    process.kill()
                    process.wait()

    def keys(self, *keys):
        self.speech.mark()
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env,
                           check=True, timeout=10)
            time.sleep(0.3)

    def type(self, text):
        self.speech.mark()
        subprocess.run(["xdotool", "type", "--delay", "50", text], env=self.env, check=True,
                       timeout=10)


def expect(session, what, matches, *keys, seconds=STEP_SECONDS):
    if time.monotonic() > session.deadline:
        check(False, what + " (not tried: the run is over its time)", [])
        return []
    if keys:
        session.keys(*keys)
    heard, met = session.speech.wait_for(matches, seconds)
    check(met, what, heard)
    return heard


def run(session):
    speech = session.speech
    session.start("openbox", ["openbox"])
    session.start("orca", [sys.executable, "-c", ORCA_LAUNCHER, speech.log_path])
    heard, started = speech.wait_for(lambda u: True, 60)
    if not started:
        check(False, "Orca starts and speaks", heard)
        return
    speech.mark()
    tool = session.start("tarvisol", [session.tool])

    # The first box has the focus as the window appears.
    expect(session, 'the width box is read whole: "36"', whole_value("36"), seconds=30)
    expect(session, 'the height box is read whole: "24"', whole_value("24"), "Tab")
    expect(session, 'the focal-length box is read whole: "50"', whole_value("50"), "Tab")

    # Orca 48 also reads the window's new description, the list of every drawn field; the
    # announcement is what names the new field alone.
    announced = lambda u: WORKED_EXAMPLE_LABEL in u and DRAWN_LIST not in u
    heard = expect(session, f'Enter in a box announces "{WORKED_EXAMPLE_LABEL}"', announced,
                   "Return")
    said = sum(announced(u) for u in heard)
    check(said == 1, f"the new field is announced once ({said} times)", heard)

    session.keys("ctrl+a")
    session.type("abc")
    expect(session, f'an error box reads "{NOT_NUMERIC}"', lambda u: NOT_NUMERIC in u,
           "Return")
    expect(session, 'the error box closes back to the box, read whole: "abc"',
           says(r"\babc\b"), "Return")
    session.keys("ctrl+a")
    session.type(SECOND_FOCAL_LENGTH)
    expect(session, "a second field is announced", starts_with_field(SECOND_FOCAL_LENGTH),
           "Return")

    for name in ["hinzufügen", "Liste", "löschen", "Hilfe"]:
        expect(session, f'the button "{name}" is read as a button', says(rf"^{name} {BUTTON}"),
               "Tab")

    expect(session, 'the help opens on its first line "Tarvisol v1.1"',
           lambda u: "Tarvisol v1.1" in u, "space")
    expect(session, 'Down in the help reads the empty line as "leer"', lambda u: u == "leer",
           "Down")
    expect(session, "Down reads the next line of the help", starts("Entwickelt vom Tarvisol"),
           "Down")
    expect(session, "and the line after", starts("Ein Werkzeug für Fotografinnen"), "Down")
    expect(session, "Escape closes the help", says(rf"^Hilfe {BUTTON}"), "Escape")

    expect(session, 'back on "Liste"', says(rf"^Liste {BUTTON}"), "shift+Tab", "shift+Tab")
    expect(session, "the list opens on its first line", starts("36x24"), "space")
    expect(session, "Down in the list reads its second line",
           says(rf"^36x24\s+{SECOND_FOCAL_LENGTH}\s"), "Down")
    expect(session, "Escape closes the list", says(rf"^Liste {BUTTON}"), "Escape")

    expect(session, "the delete question is read", says("wirklich löschen"), "Tab", "space")
    expect(session, 'its second button reads "Abbrechen"', says(rf"^Abbrechen {BUTTON}"),
           "Tab")
    expect(session, f'a confirmed "löschen" is announced: "{NOTHING_DRAWN}"',
           apart_from_window(NOTHING_DRAWN), "shift+Tab", "Return")

    # Word navigation, as Orca reads words, then one more key that must still be answered.
    expect(session, "back in the width box", says(r"Film-/Chipformat|Formatbreite"),
           *["shift+Tab"] * 5)
    session.keys("Home", "ctrl+Right", "ctrl+Left")
    expect(session, "after word navigation the next Tab is still spoken",
           says(r"Formathöhe|Höhe des Film"), "Tab")
    check(tool.poll() is None, "the tool has not crashed", [])


def starts_with_field(focal_length):
    return lambda u: re.search(rf"36x24 {focal_length}mm / ", u) is not None and DRAWN_LIST not in u


def main(tool):
    session = Session(tool)
    try:
        run(session)
    finally:
        session.stop_all()
        print("-- everything Orca said:")
        for utterance in session.speech.all():
            print(f"   {utterance!r}")
        if failures:
            print(f"-- Orca's log and the programs' output are in {session.work}")
        else:
            shutil.rmtree(session.work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

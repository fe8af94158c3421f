# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running tool through the AT-SPI bus, as a screen reader does, and checks what it
hears for one "hinzufügen" and for one showing of "Liste". Every event is printed, so a run
shows what a reader would announce.

Usage: screen_reader.py TOOL (with DISPLAY set, inside a D-Bus session)
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

WORKED_EXAMPLE_LABEL = "36x24 50mm / 39.6x27.0°"
WORKED_EXAMPLE_LINE = "36x24\t50\t39.60 x 26.99°\t2375.9 x 1619.5'"
EVENT_TYPES = [
    "object:property-change:accessible-description",
    "object:property-change:accessible-name",
    "object:text-changed",
    "object:state-changed:showing",
    "window:activate",
    "window:deactivate",
]

heard = []
failures = []


# Roles are matched by their constants: their names differ between AT-SPI releases (a button is
# a "push button" on Debian 12 and a "button" on Debian 13). Reports use these names throughout.
ROLE_NAMES = {pyatspi.ROLE_FRAME: "frame", pyatspi.ROLE_PUSH_BUTTON: "push button",
              pyatspi.ROLE_DIALOG: "dialog", pyatspi.ROLE_TEXT: "text",
              pyatspi.ROLE_FILLER: "filler"}


def role_name(accessible):
    return ROLE_NAMES.get(accessible.getRole(), accessible.getRoleName())


def describe(accessible):
    try:
        return f"{role_name(accessible)} '{accessible.name}'"
    except Exception:  # the object may be gone by the time the event is read
        return "<gone>"


def on_event(event):
    heard.append((event.type, describe(event.source), event.source, event.any_data))


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def listen(until, timeout=10.0, settle=0.5):
    """Takes events until `until()` holds, then `settle` seconds more, so that a repeated
    announcement arriving late is heard too."""
    deadline = time.monotonic() + timeout
    met_at = None

    def tick():
        nonlocal met_at
        now = time.monotonic()
        if met_at is None and until():
            met_at = now
        if now > deadline or (met_at is not None and now - met_at >= settle):
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(50, tick)
    pyatspi.Registry.start()
    return met_at is not None


def print_heard(title):
    print(f"-- events for {title}:")
    for kind, source, _, data in heard:
        shown = repr(data) if isinstance(data, str) else ""
        print(f"   {kind} | {source} {shown}".rstrip())


def start_on_bus(tool):
    """Starts the tool on the X display with its accessibility always on; returns the process
    and the tool's application on the bus, None where it never appeared."""
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=tempfile.mkdtemp())
    process = subprocess.Popen([tool], env=environment)
    return process, find_application(process, os.path.basename(tool))


def find_application(process, name, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline and process.poll() is None:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.1)
    return None


def named(root, role, name):
    return pyatspi.findDescendant(root, lambda a: role_name(a) == role and a.name == name)


def of_kind(kind, source=None):
    return [e for e in heard if e[0] == kind and (source is None or e[1] == source)]


def main(tool):
    process, app = start_on_bus(tool)
    try:
        if app is None:
            print("FAIL the tool never appeared on the accessibility bus")
            return 1
        window = app[0]
        check(role_name(window) == "frame" and window.name == "Tarvisol",
              f"the main window is a frame named Tarvisol ({describe(window)})")
        for kind in EVENT_TYPES:
            pyatspi.Registry.registerEventListener(on_event, kind)
        listen(lambda: False, timeout=0.5)  # what start-up still announces is not ours
        heard.clear()

        # One "hinzufügen" with the typed 36, 24, 50: one field, announced once.
        drawn = "Gezeichnete Felder:\n" + WORKED_EXAMPLE_LABEL
        named(window, "push button", "hinzufügen").queryAction().doAction(0)
        listen(lambda: of_kind("object:property-change:accessible-description"))
        print_heard('one "hinzufügen"')
        changes = of_kind("object:property-change:accessible-description")
        check(len(changes) == 1 and changes[0][1] == "frame 'Tarvisol'",
              f"one description change of the frame ({len(changes)} heard)")
        check(window.description == drawn, f"the frame describes the field ({window.description!r})")
        heard.clear()

        # One showing of "Liste": the window appears with the list line, inserted once.
        named(window, "push button", "Liste").queryAction().doAction(0)
        listen(lambda: of_kind("window:activate"))
        print_heard('one showing of "Liste"')
        info = named(app, "dialog", "Info")
        check(info is not None, "the info window is a dialog named Info")
        inserted = [e[3] for e in of_kind("object:text-changed:insert", "text 'Werteliste'")]
        check(len(inserted) == 1, f"the list text inserted once ({len(inserted)} heard)")
        check(bool(inserted) and inserted[0].startswith(WORKED_EXAMPLE_LINE),
              f"the inserted text is the list line ({inserted[:1]!r})")
        text = named(app, "text", "Werteliste")
        if text is not None:
            shown = text.queryText().getText(0, -1)
            check(shown.startswith(WORKED_EXAMPLE_LINE), f"the box reads the line ({shown!r})")
        heard.clear()

        # Escape closes it, as a keyboard user would.
        pyatspi.Registry.generateKeyboardEvent(0xFF1B, None, pyatspi.KEY_SYM)
        listen(lambda: named(app, "dialog", "Info") is None)
        print_heard("Escape in the info window")
        check(named(app, "dialog", "Info") is None, "Escape closed the info window")
        check(not of_kind("object:text-changed:insert"), "closing inserts no text")
        check(process.poll() is None, "the tool is still running")
    finally:
        process.terminate()
        process.wait(timeout=10)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

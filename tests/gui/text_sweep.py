# SPDX-License-Identifier: GPL-3.0-or-later
"""Asks every text the running tool shows for everything a screen reader may ask of a text,
through the AT-SPI bus: every offset from -1 to length + 1, every boundary, before, at and after
the offset, attributes, caret, selection and character extents. Each call must answer within
CALL_LIMIT, and the tool must still answer afterwards. One stuck call freezes the tool for good,
so the sweep stops at the first one and names it.

Usage: text_sweep.py TOOL (with DISPLAY set, inside a D-Bus session)
"""

import sys
import time

import pyatspi
from gi.repository import Atspi

from screen_reader import named, role_name, start_on_bus

CALL_LIMIT_MS = 3000
BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line end": pyatspi.TEXT_BOUNDARY_LINE_END,
}


class Stuck(Exception):
    pass


def bounded(what, call):
    started = time.monotonic()
    try:
        result = call()
    except Exception as error:  # a timeout, or the tool gone
        raise Stuck(f"{what}: {error}") from None
    if time.monotonic() - started > CALL_LIMIT_MS / 1000:
        raise Stuck(f"{what}: answered only after {time.monotonic() - started:.1f} s")
    return result


def text_objects(root):
    candidates = [root] + pyatspi.findAllDescendants(root, lambda accessible: True)
    return [a for a in candidates if "Text" in pyatspi.utils.listInterfaces(a)]


def sweep(accessible, problems):
    """Every query once; the attribute runs must cover the text without a gap."""
    what = f"{role_name(accessible)} '{accessible.name}'"
    started = time.monotonic()
    text = bounded(f"{what} Text", accessible.queryText)
    length = bounded(f"{what} characterCount", lambda: text.characterCount)
    whole = bounded(f"{what} getText", lambda: text.getText(0, -1))
    if len(whole) != length:
        problems.append(f"{what}: {len(whole)} characters read, {length} counted")
    bounded(f"{what} caretOffset", lambda: text.caretOffset)
    bounded(f"{what} selections", lambda: [text.getSelection(0), text.getNSelections()])
    bounded(f"{what} default attributes", text.getDefaultAttributes)
    covered = 0
    while covered < length:
        _, start, end = bounded(f"{what} attribute run at {covered}",
                                lambda: text.getAttributeRun(covered))
        if start > covered or end <= covered:
            problems.append(f"{what}: attribute run at {covered} is {start}..{end}, "
                            f"the text has {length} characters")
            break
        covered = end
    for offset in range(-1, length + 2):
        at = f"{what} at {offset}"
        bounded(f"{at} attributes", lambda: text.getAttributes(offset))
        bounded(f"{at} extents", lambda: text.getCharacterExtents(offset, pyatspi.DESKTOP_COORDS))
        for name, boundary in BOUNDARIES.items():
            bounded(f"{at} text at, {name}", lambda: text.getTextAtOffset(offset, boundary))
            bounded(f"{at} text before, {name}", lambda: text.getTextBeforeOffset(offset, boundary))
            bounded(f"{at} text after, {name}", lambda: text.getTextAfterOffset(offset, boundary))
    print(f"ok   {what}: {length} characters in {time.monotonic() - started:.1f} s")
    return length


def sweep_all(root, problems):
    found = text_objects(root)
    print(f"-- {role_name(root)} '{root.name}': {len(found)} texts")
    return sum(sweep(accessible, problems) for accessible in found)


def press(window, button):
    action = bounded(f"find {button}", lambda: named(window, "push button", button).queryAction())
    bounded(f"press {button}", lambda: action.doAction(0))


def wait_until(what, condition, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise Stuck(f"waited in vain: {what}")
        time.sleep(0.1)


def modal(app, role):
    wait_until(f"a {role}", lambda: bounded("window count", lambda: app.childCount) > 1)
    return next(w for w in app if w is not None and role_name(w) == role)


def close_with_escape(app):
    pyatspi.Registry.generateKeyboardEvent(0xFF1B, None, pyatspi.KEY_SYM)
    wait_until("Escape closing the window", lambda: app.childCount == 1)


def run(app, problems):
    window = app[0]
    swept = sweep_all(window, problems)
    press(window, "hinzufügen")
    time.sleep(0.5)
    for button in ("Liste", "Hilfe"):
        press(window, button)
        swept += sweep_all(modal(app, "dialog"), problems)
        close_with_escape(app)
    box = pyatspi.findDescendant(window, lambda a: a.name == "Brennweite")
    bounded("type abc", lambda: box.queryEditableText().setTextContents("abc"))
    for button in ("hinzufügen", "löschen"):
        press(window, button)
        box = modal(app, "alert")
        swept += sweep_all(box, problems)
        if button == "löschen" and not named(box, "push button", "Abbrechen"):
            problems.append("the delete question has no button named Abbrechen")
        close_with_escape(app)
    name = bounded("the window's name afterwards", lambda: window.name)
    print(f"{swept} characters swept; the tool still answers: {name!r}")


def main(tool):
    process, app = start_on_bus(tool)
    try:
        if app is None:
            print("FAIL the tool never appeared on the accessibility bus")
            return 1
        Atspi.set_timeout(CALL_LIMIT_MS, CALL_LIMIT_MS)
        started = time.monotonic()
        problems = []
        try:
            run(app, problems)
        except Stuck as stuck:
            problems.append(f"stuck: {stuck}")
            state = "still runs" if process.poll() is None else "has ended"
            print(f"FAIL the tool stopped answering; its process {state}")
        print(f"swept in {time.monotonic() - started:.1f} s")
        for problem in problems:
            print(f"FAIL {problem}")
        return 1 if problems else 0
    finally:
        process.kill()
        process.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

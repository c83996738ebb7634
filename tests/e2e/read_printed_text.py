"""Reads the window's printed numbers from outside the program, as a screen reader does:
through AT-SPI. Presses buttons with xdotool when given the X window, otherwise through their
AT-SPI actions as assistive technology presses them (on Wayland a test has no input to send),
and waits for the printed area to announce its new text. Exits non-zero with a message when
anything is missing.
Usage: read_printed_text.py [X_WINDOW]"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window = sys.argv[1] if len(sys.argv) > 1 else None
announced = []


def walk(accessible):
    yield accessible
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(matches, what):
    """The first accessible of KRIMVEL that matches, waiting for the window to appear."""
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "KRIMVEL":
                for accessible in walk(app):
                    if matches(accessible):
                        return accessible
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what} in the accessibility tree of KRIMVEL")


def on_name_change(event):
    if event.source is not None and event.source.description == "Izvučeni brojevi":
        announced.append(event.source.name)


CLICK_AT = {"KOMBINACIJA": (40, 36), "BROJ": (40, 60)}


def press(caption):
    """Presses a button of the window, then lets AT-SPI deliver what followed."""
    announced.clear()
    if window:
        x, y = CLICK_AT[caption]
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"],
                       check=True)
    else:
        button = find(lambda a: a.getRoleName() == "push button" and a.name == caption, caption)
        action = button.queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    # Waits for the announcement, and a moment for any that follows it; a slow build (with the
    # sanitizers, on a busy machine) may take seconds to answer.
    started = time.monotonic()

    def poll():
        waited = time.monotonic() - started
        if (announced and waited > 0.3) or waited > 15:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(100, poll)
    pyatspi.Registry.start()
    if not announced:
        sys.exit(f"FAIL: no announcement after pressing {caption}")
    return announced[-1]


def numbers(text):
    return [int(n) for n in re.findall(r"\d+", text)]


find(lambda a: a.name == "KRIMVEL FERNOS", "window titled KRIMVEL FERNOS")
area = find(lambda a: a.description == "Izvučeni brojevi", "printed area")
if area.getRoleName() != "label":
    sys.exit(f"FAIL: the printed area is a {area.getRoleName()}, not static text")
# Listening starts once the program is up: a program still starting may ask the registry who
# listens before the listener is there, and miss the news that it came.
pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
GLib.timeout_add(500, pyatspi.Registry.stop)
pyatspi.Registry.start()

combination = press("KOMBINACIJA")
drawn = numbers(combination)
print(f"KOMBINACIJA announced: {combination!r}")
if len(drawn) != 7 or len(set(drawn)) != 7 or not all(1 <= n <= 39 for n in drawn):
    sys.exit(f"FAIL: not seven distinct numbers from 1 to 39: {combination!r}")
if area.name != combination:
    sys.exit(f"FAIL: the printed area reads {area.name!r}, the announcement said {combination!r}")

single = press("BROJ")
print(f"BROJ announced: {single!r}")
if len(numbers(single)) != 1 or area.name != single:
    sys.exit(f"FAIL: BROJ should read as one number: {single!r}")
print("PASS")

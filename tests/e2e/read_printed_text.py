"""Reads the window's printed numbers from outside the program, as a screen reader does:
through AT-SPI. Presses buttons with xdotool and waits for the printed area to announce its
new text. Exits non-zero with a message when anything is missing."""

import re
import subprocess
import sys

import pyatspi
from gi.repository import GLib

window = sys.argv[1]
announced = []


def find_printed_area():
    def walk(accessible):
        yield accessible
        for i in range(accessible.childCount):
            child = accessible.getChildAtIndex(i)
            if child is not None:
                yield from walk(child)

    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "KRIMVEL":
            for accessible in walk(app):
                if accessible.description == "Izvučeni brojevi":
                    return accessible
    sys.exit("FAIL: no printed area in the accessibility tree of KRIMVEL")


def on_name_change(event):
    if event.source is not None and event.source.description == "Izvučeni brojevi":
        announced.append(event.source.name)


def press(x, y):
    """Clicks a button of the window, then lets AT-SPI deliver what followed."""
    announced.clear()
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"],
                   check=True)
    GLib.timeout_add(1500, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    if not announced:
        sys.exit(f"FAIL: no announcement after clicking at {x},{y}")
    return announced[-1]


def numbers(text):
    return [int(n) for n in re.findall(r"\d+", text)]


pyatspi.Registry.registerEventListener(on_name_change, "object:property-change:accessible-name")
area = find_printed_area()
if area.getRoleName() != "label":
    sys.exit(f"FAIL: the printed area is a {area.getRoleName()}, not static text")

combination = press(40, 36)  # KOMBINACIJA
drawn = numbers(combination)
print(f"KOMBINACIJA announced: {combination!r}")
if len(drawn) != 7 or len(set(drawn)) != 7 or not all(1 <= n <= 39 for n in drawn):
    sys.exit(f"FAIL: not seven distinct numbers from 1 to 39: {combination!r}")
if area.name != combination:
    sys.exit(f"FAIL: the printed area reads {area.name!r}, the announcement said {combination!r}")

single = press(40, 60)  # BROJ
print(f"BROJ announced: {single!r}")
if len(numbers(single)) != 1 or area.name != single:
    sys.exit(f"FAIL: BROJ should read as one number: {single!r}")
print("PASS")

"""Reads the window's printed numbers from outside the program, as a screen reader does:
through AT-SPI. Presses buttons with xdotool when given the X window, otherwise through their
AT-SPI actions as assistive technology presses them (on Wayland a test has no input to send),
and waits for the printed area's Text interface to report its new text, which must offer exactly
the printed lines by character, word and line. The window itself must be a frame; roles are
compared by number, as AT-SPI renamed "push button" "button". Exits non-zero with a message.
Usage: read_printed_text.py [X_WINDOW]"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window = sys.argv[1] if len(sys.argv) > 1 else None
inserted = []


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


def on_text_insert(event):
    if event.source is not None and event.source.name == "Izvučeni brojevi":
        inserted.append(event.any_data)


CLICK_AT = {"KOMPJUTER": (40, 12), "KOMBINACIJA": (40, 36), "BROJ": (40, 60)}


def press(caption):
    """Presses a button of the window, then lets AT-SPI deliver what followed."""
    inserted.clear()
    if window:
        x, y = CLICK_AT[caption]
        # Where the X server puts the window: xdotool's own --window reckoning misses it under
        # mutter, whose frames have invisible borders.
        where = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                               check=True).stdout
        x += int(re.search(r"Absolute upper-left X: *(-?\d+)", where).group(1))
        y += int(re.search(r"Absolute upper-left Y: *(-?\d+)", where).group(1))
        # A moment between moving and clicking: mutter passes on a click only once the pointer
        # has entered the window.
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.2", "click", "1"],
                       check=True)
    else:
        button = find(lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == caption, caption)
        action = button.queryAction()
        action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
    # Waits for the new text, and a moment for any that follows it; a slow build (with the
    # sanitizers, on a busy machine) may take seconds to answer.
    started = time.monotonic()

    def poll():
        waited = time.monotonic() - started
        if (inserted and waited > 0.3) or waited > 15:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(100, poll)
    pyatspi.Registry.start()
    if not inserted:
        sys.exit(f"FAIL: no new text after pressing {caption}")
    return inserted[-1]


def check_text_interface(lines):
    """The Text interface walks exactly the printed lines: whole, line by line, word by word."""
    text = area.queryText()

    def check_next(offset, end, unit):
        after = text.getTextAfterOffset(offset, unit)
        if end < len(lines) and after[1] != end:
            sys.exit(f"FAIL: after the piece at {offset}, ending at {end}, comes {after!r}")

    whole = text.getText(0, -1)
    if whole != lines or text.characterCount != len(lines):
        sys.exit(f"FAIL: the Text interface holds {whole!r}, the window printed {lines!r}")
    offset, walked = 0, []
    while offset < len(lines):
        line, start, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        if end <= offset or lines[start:end] != line:
            sys.exit(f"FAIL: the line at {offset} reads {line!r} over {start}..{end}")
        check_next(offset, end, pyatspi.TEXT_BOUNDARY_LINE_START)
        walked.append(line.rstrip("\n"))
        offset = end
    if walked != lines.split("\n"):
        sys.exit(f"FAIL: line by line the Text interface reads {walked!r}")
    words = {}
    for offset in range(len(lines)):
        word, start, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_WORD_START)
        check_next(offset, end, pyatspi.TEXT_BOUNDARY_WORD_START)
        if word.strip():
            words[start] = word.strip()
    if [words[start] for start in sorted(words)] != lines.split():
        sys.exit(f"FAIL: word by word the Text interface reads {words!r}")


def numbers(text):
    return [int(n) for n in re.findall(r"\d+", text)]


frame = find(lambda a: a.name == "KRIMVEL FERNOS", "window titled KRIMVEL FERNOS")
if frame.getRole() != pyatspi.ROLE_FRAME:
    sys.exit(f"FAIL: the window is a {frame.getRoleName()}, not a frame")
area = find(lambda a: a.name == "Izvučeni brojevi", "printed area")
if area.getRole() != pyatspi.ROLE_STATUS_BAR:
    sys.exit(f"FAIL: the printed area is a {area.getRoleName()}, not a status bar")
# Listening starts once the program is up: a program still starting may ask the registry who
# listens before the listener is there, and miss the news that it came.
pyatspi.Registry.registerEventListener(on_text_insert, "object:text-changed:insert")
GLib.timeout_add(500, pyatspi.Registry.stop)
pyatspi.Registry.start()

ten = press("KOMPJUTER")
if len(ten.splitlines()) != 10:
    sys.exit(f"FAIL: KOMPJUTER should print ten lines: {ten!r}")
check_text_interface(ten)

combination = press("KOMBINACIJA")
drawn = numbers(combination)
print(f"KOMBINACIJA printed: {combination!r}")
if len(drawn) != 7 or len(set(drawn)) != 7 or not all(1 <= n <= 39 for n in drawn):
    sys.exit(f"FAIL: not seven distinct numbers from 1 to 39: {combination!r}")
check_text_interface(combination)

single = press("BROJ")
print(f"BROJ printed: {single!r}")
if len(numbers(single)) != 1:
    sys.exit(f"FAIL: BROJ should read as one number: {single!r}")
check_text_interface(single)
print("PASS")

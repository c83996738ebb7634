#!/usr/bin/env python3
"""Launch to first paint of two programs, as the X server sees it, alternating in one run.

    first-paint.py RUNS WIDTHxHEIGHT PROGRAM [ARGUMENT...] -- BASELINE [ARGUMENT...]

On the display named by DISPLAY, each run starts the one and then the other (the order
swapped every run) and times from just before the start to the X server's first damage
report on the program's window: the first pixels it put on its window, whatever it did
before. The window is told apart from the toolkit's hidden ones and a window manager's frames
by its size when it is made. Prints one line per program, "NAME MEDIAN_MS MIN_MS MAX_MS",
then "ratio RATIO": the first program's median over the baseline's. Two untimed runs of each
come first, to fill the disk and font caches.
"""

import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import time

CREATE_NOTIFY = 16
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
DAMAGE_REPORT_NON_EMPTY = 3
WAIT_SECONDS = 20

xlib = ctypes.CDLL("libX11.so.6")
xdamage = ctypes.CDLL("libXdamage.so.1")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
xlib.XPending.argtypes = [ctypes.c_void_p]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
xlib.XFlush.argtypes = [ctypes.c_void_p]
xdamage.XDamageQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                          ctypes.POINTER(ctypes.c_int)]
xdamage.XDamageCreate.restype = ctypes.c_ulong
xdamage.XDamageCreate.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int]


class Event(ctypes.Union):
    """XEvent: 24 longs. The fields read here, for 64-bit Xlib: the type at offset 0; in
    XCreateWindowEvent the window at 40, its width and height at 56 and 60; in
    XDamageNotifyEvent the drawable at 32."""
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]

    def field(self, offset, kind):
        return kind.from_buffer(self, offset).value


def first_paint_ms(display, damage_event, size, command):
    """Starts `command`, returns the milliseconds to its window's first damage, ends it."""
    watched = set()
    event = Event()
    started = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - started < WAIT_SECONDS:
            if not xlib.XPending(display):
                select.select([xlib.XConnectionNumber(display)], [], [], 0.05)
                continue
            xlib.XNextEvent(display, ctypes.byref(event))
            if event.type == CREATE_NOTIFY and (event.field(56, ctypes.c_int),
                                                event.field(60, ctypes.c_int)) == size:
                window = event.field(40, ctypes.c_ulong)
                xdamage.XDamageCreate(display, window, DAMAGE_REPORT_NON_EMPTY)
                xlib.XFlush(display)
                watched.add(window)
            elif event.type == damage_event and event.field(32, ctypes.c_ulong) in watched:
                return (time.monotonic() - started) * 1e3
        raise SystemExit(f"first-paint.py: no window of {size[0]}x{size[1]} painted by "
                         f"{command[0]} within {WAIT_SECONDS} s")
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    runs = int(sys.argv[1])
    size = tuple(int(n) for n in sys.argv[2].split("x"))
    split = sys.argv.index("--")
    commands = [sys.argv[3:split], sys.argv[split + 1:]]
    display = xlib.XOpenDisplay(None)
    if not display:
        raise SystemExit(f"first-paint.py: cannot open display {os.environ.get('DISPLAY')}")
    event_base, error_base = ctypes.c_int(), ctypes.c_int()
    if not xdamage.XDamageQueryExtension(display, ctypes.byref(event_base),
                                         ctypes.byref(error_base)):
        raise SystemExit("first-paint.py: the X server has no DAMAGE extension")
    xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    times = [[], []]
    for run in range(runs + 2):
        order = (0, 1) if run % 2 == 0 else (1, 0)
        for which in order:
            ms = first_paint_ms(display, event_base.value, size, commands[which])
            if run >= 2:
                times[which].append(ms)
    for which, name in enumerate(("program", "baseline")):
        print(f"{name} {statistics.median(times[which]):.1f} {min(times[which]):.1f} "
              f"{max(times[which]):.1f}")
    print(f"ratio {statistics.median(times[0]) / statistics.median(times[1]):.2f}")


if __name__ == "__main__":
    main()

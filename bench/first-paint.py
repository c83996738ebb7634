#!/usr/bin/env python3
"""Launch to first paint of several programs, as the X server sees it, taking turns in one run.

    first-paint.py RUNS WIDTHxHEIGHT PROGRAM [ARGUMENT...] [-- PROGRAM [ARGUMENT...]]...
                   -- BASELINE [ARGUMENT...]

On the display named by DISPLAY, each run starts every program once, each run in an order
turned by one from the run before, and times from just before the start to the X server's
first damage report on the program's window: the first pixels it put on its window, whatever
it did before. The window is told apart from the toolkit's hidden ones and a window manager's
frames by its size when it is made. Prints one line per program, in the order given, the
baseline last: "MEDIAN_MS MIN_MS MAX_MS RATIO PEAK_MIB", the ratio of its median to the
baseline's, and the median of its peak resident memory (VmHWM) read at that first damage.
Two untimed runs of each come first, to fill the disk and font caches.
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


def peak_mib(pid):
    """The process's peak resident memory so far, in MiB."""
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    raise SystemExit(f"first-paint.py: no VmHWM for process {pid}")


def first_paint(display, damage_event, size, command):
    """Starts `command`; returns the milliseconds to its window's first damage and its peak
    memory by then; ends it."""
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
                return (time.monotonic() - started) * 1e3, peak_mib(process.pid)
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
    commands = [[]]
    for argument in sys.argv[3:]:
        if argument == "--":
            commands.append([])
        else:
            commands[-1].append(argument)
    if len(commands) < 2 or not all(commands):
        raise SystemExit(__doc__)
    display = xlib.XOpenDisplay(None)
    if not display:
        raise SystemExit(f"first-paint.py: cannot open display {os.environ.get('DISPLAY')}")
    event_base, error_base = ctypes.c_int(), ctypes.c_int()
    if not xdamage.XDamageQueryExtension(display, ctypes.byref(event_base),
                                         ctypes.byref(error_base)):
        raise SystemExit("first-paint.py: the X server has no DAMAGE extension")
    xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    times = [[] for _ in commands]
    peaks = [[] for _ in commands]
    for run in range(runs + 2):
        # Turning the order cancels any advantage of coming after another.
        for slot in range(len(commands)):
            which = (run + slot) % len(commands)
            ms, mib = first_paint(display, event_base.value, size, commands[which])
            if run >= 2:
                times[which].append(ms)
                peaks[which].append(mib)
    baseline = statistics.median(times[-1])
    for program_times, program_peaks in zip(times, peaks):
        median = statistics.median(program_times)
        print(f"{median:.1f} {min(program_times):.1f} {max(program_times):.1f} "
              f"{median / baseline:.2f} {statistics.median(program_peaks):.1f}")


if __name__ == "__main__":
    main()

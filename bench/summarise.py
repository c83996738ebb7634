#!/usr/bin/env python3
"""Turns what bench/run-benchmarks measured into one Markdown table of ratios and goals.

    summarise.py WORK_DIR OTHERS

WORK_DIR holds draw.json, hit-test.json, launch-WM.txt (one per window manager run), click.txt and soak.txt;
OTHERS is how many other installed programs the launch lines hold between KRIMVEL's and the
two floors'.
"""

import json
import os
import sys

FRAME_MS = 1000 / 60
COMBINATION_GOAL = 0.85
HIT_TEST_GOAL = 16
LAUNCH_GOAL = 1.1
MEMORY_GOAL_MIB = 6.0
SOAK_GROWTH_GOAL_MIB = 1.0
WINDOW_MANAGERS = {"none": "no window manager", "openbox": "openbox", "kwin": "KWin on X11"}


def row(metric, measured, goal="–", met=None):
    print(f"| {metric} | {measured} | {goal} | {'–' if met is None else 'yes' if met else 'NO'} |")


def keys(path):
    with open(path) as f:
        return {key: float(value) for key, value in (line.split() for line in f if line.strip())}


def main():
    work, others = sys.argv[1], int(sys.argv[2])
    print("| metric | measured | goal | met? |\n|---|---|---|---|")

    # Median CPU time: the benchmarks run on one thread and never wait, so CPU time is their
    # work, and unlike wall time it does not grow when another process takes the core away.
    with open(os.path.join(work, "draw.json")) as f:
        ns = {entry["run_name"]: entry["cpu_time"] for entry in json.load(f)["benchmarks"]
              if entry.get("aggregate_name") == "median"}
    rule, standard = ns["combination/rule"], ns["combination/mt19937"]
    row("seven-number combination: the program's rule / mt19937 picker",
        f"{rule / standard:.2f}x ({rule:.0f} vs {standard:.0f} ns)", f"≤ {COMBINATION_GOAL}x",
        rule / standard <= COMBINATION_GOAL)

    # A screen reader's review asks where each character is on every move of the pointer: the
    # time for the last of 16 times KOMPJUTER's characters, against the last of its own.
    with open(os.path.join(work, "hit-test.json")) as f:
        entries = json.load(f)["benchmarks"]
    hit = {entry["run_name"].rsplit("/", 1)[1]: entry["cpu_time"] for entry in entries
           if entry.get("aggregate_name") == "median"}
    big_o = next(entry["big_o"] for entry in entries if entry.get("aggregate_name") == "BigO")
    row("hit-testing the last printed character: 16 times KOMPJUTER's characters / its 489",
        f"{hit['160'] / hit['10']:.1f}x ({hit['160'] / 1000:.0f} vs {hit['10'] / 1000:.0f} µs;"
        f" fitted O({big_o}))", f"≤ {HIT_TEST_GOAL:.0f}x (linear)",
        hit["160"] / hit["10"] <= HIT_TEST_GOAL)

    for wm, name in WINDOW_MANAGERS.items():
        path = os.path.join(work, f"launch-{wm}.txt")
        if not os.path.exists(path):
            continue
        with open(path) as f:
            lines = [[float(n) for n in line.split()] for line in f]
        krimvel, peer, plain = lines[0], lines[1 + others], lines[2 + others]
        ratio = krimvel[0] / peer[0]
        row(f"launch to first paint, {name}: `krimvel` / label-and-button window",
            f"{ratio:.2f}x ({krimvel[0]:.1f} vs {peer[0]:.1f} ms)", f"≤ {LAUNCH_GOAL}x",
            ratio <= LAUNCH_GOAL)
        row(f"launch to first paint, {name}: `krimvel` / plain window",
            f"{krimvel[3]:.2f}x ({krimvel[0]:.1f} vs {plain[0]:.1f} ms)")
        if wm == "none":
            growth = krimvel[4] - plain[4]
            row("peak memory at the first paint: `krimvel` − plain window",
                f"{growth:+.1f} MiB ({krimvel[4]:.1f} vs {plain[4]:.1f} MiB)",
                f"≤ {MEMORY_GOAL_MIB:.0f} MiB", growth <= MEMORY_GOAL_MIB)
            row("peak memory at the first paint: `krimvel` − label-and-button window",
                f"{krimvel[4] - peer[4]:+.1f} MiB ({krimvel[4]:.1f} vs {peer[4]:.1f} MiB)")

    click = keys(os.path.join(work, "click.txt"))
    for key, name in (("median", "median"), ("p95", "95th percentile")):
        ms = click[f"click_{key}_us"] / 1000
        row(f"KOMPJUTER press to painted frame, {name}", f"{ms:.2f} ms", "< 16.7 ms",
            ms < FRAME_MS)
    row("KOMPJUTER press to painted frame, first press", f"{click['click_first_us'] / 1000:.2f} ms")

    soak = keys(os.path.join(work, "soak.txt"))
    first, last = soak["soak_peak_settled_kib"] / 1024, soak["soak_peak_after_all_kib"] / 1024
    presses, settled = int(soak["soak_presses"]), int(soak["soak_settled_presses"])
    row(f"peak memory after {presses:,} presses − after the first {settled:,}",
        f"{last - first:+.1f} MiB ({last:.1f} vs {first:.1f} MiB)",
        f"≤ {SOAK_GROWTH_GOAL_MIB:.0f} MiB", last - first <= SOAK_GROWTH_GOAL_MIB)


if __name__ == "__main__":
    main()

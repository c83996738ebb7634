#!/usr/bin/env python3
"""Turns the raw measurements of bench/run-benchmarks into ratios and one Markdown table."""

import argparse
import datetime
import json
import statistics

FRAME_US = 1e6 / 60
STARTUP_RATIO_GOAL = 1.3
COMBINATION_RATIO_GOAL = 0.85
MEMORY_GOAL_MIB = 6.0
SOAK_GROWTH_GOAL_MIB = 1.0

WINDOWS = {
    "form1": "Form1",
    "bare": "bare QWidget, same program",
    "peer": "QLabel + QPushButton window, same program",
    "floor": "bare QWidget, Qt Widgets only",
}


def draw_medians(path):
    """Median CPU time in ns of each benchmark over its repetitions. The benchmarks run on
    one thread and never wait, so CPU time is their work, and unlike wall time it does not
    grow when another process takes the core away."""
    with open(path) as f:
        report = json.load(f)
    medians = {}
    for entry in report["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            assert entry["time_unit"] == "ns", entry["time_unit"]
            medians[entry["run_name"]] = entry["cpu_time"]
    return medians


def startup_medians(path):
    """Per window: median launch-to-paint, main-to-paint and launch-to-exit ms, and peak RSS
    MiB until the first frame and over the whole run."""
    samples = {}
    with open(path) as f:
        for line in f:
            window, launch_ms, main_ms, exit_ms, rss_kb, paint_kb = line.split()
            samples.setdefault(window, []).append(
                (float(launch_ms), float(main_ms), float(exit_ms), int(paint_kb) / 1024,
                 int(rss_kb) / 1024))
    return {window: [statistics.median(column) for column in zip(*runs)]
            for window, runs in samples.items()}


def key_medians(path):
    """Median of each key over the runs appended to one file, in order of first appearance."""
    values = {}
    with open(path) as f:
        for line in f:
            if line.strip():
                key, value = line.split()
                values.setdefault(key, []).append(float(value))
    return {key: statistics.median(samples) for key, samples in values.items()}


def soak_rows(soak, row):
    """Peak memory after the first presses of the soak and after all of them."""
    presses, settled = int(soak["soak_presses"]), int(soak["soak_settled_presses"])
    first, last = soak["soak_peak_settled_kib"] / 1024, soak["soak_peak_after_all_kib"] / 1024
    print(f"soak: {presses} presses of the three buttons in turn, "
          f"{soak['soak_seconds']:.0f} s:")
    print(f"  peak RSS after {settled} presses {first:6.1f} MiB, after all {last:6.1f} MiB")
    row(f"peak RSS after the first {settled:,} presses of the three buttons", f"{first:.1f} MiB")
    growth = last - first
    row(f"peak RSS after {presses:,} presses − after the first {settled:,}",
        f"{growth:+.1f} MiB ({last:.1f} vs {first:.1f} MiB)",
        f"≤ {SOAK_GROWTH_GOAL_MIB:.0f} MiB", "yes" if growth <= SOAK_GROWTH_GOAL_MIB else "NO")


def print_parts(parts, runs):
    """What each part of Form1's start-up takes: time, and how far it raises the peak memory."""
    print(f"what each part of Form1 adds to start-up, median of {runs} runs "
          "(instead_*: another way to the same result; after_start_*: once the window is up):")
    for key, ms in parts.items():
        if key.endswith("_ms"):
            part = key.removesuffix("_ms")
            kib = parts.get(f"{part}_kib")
            peak = f"   peak {kib / 1024:+6.2f} MiB" if kib is not None else ""
            print(f"  {part:42} {ms:7.2f} ms{peak}")


def main():
    parser = argparse.ArgumentParser()
    for option in ("draw", "startup", "parts", "click", "soak", "machine", "build-type",
                   "load"):
        parser.add_argument("--" + option, required=True)
    for option in ("repetitions", "startup-runs", "parts-runs", "clicks"):
        parser.add_argument("--" + option, type=int, required=True)
    args = parser.parse_args()

    draw = draw_medians(args.draw)
    startup = startup_medians(args.startup)
    parts = key_medians(args.parts)
    click = key_medians(args.click)
    soak = key_medians(args.soak)

    rows = []

    def row(metric, measured, goal="–", met="–"):
        rows.append((metric, measured, goal, met))

    print("draw core, median CPU ns per call (rule = drawNumber over RandomSource):")
    for case, label in (("number/fresh", "drawNumber, fresh state"),
                        ("number/steady", "drawNumber, steady state"),
                        ("combination", "seven-number combination")):
        rule, standard, lemire = (draw[f"{case}/{picker}"]
                                  for picker in ("rule", "mt19937", "lemire"))
        print(f"  {label:26} rule {rule:8.1f}   mt19937 {standard:8.1f}   "
              f"Lemire {lemire:8.1f}")
        print(f"    pcg32 rule / mt19937 picker = {rule / standard:.2f}x, "
              f"pcg32 rule / Lemire floor = {rule / lemire:.2f}x")
        goal, met = "–", "–"
        if case == "combination":
            goal = f"≤ {COMBINATION_RATIO_GOAL}x"
            met = "yes" if rule / standard <= COMBINATION_RATIO_GOAL else "NO"
        row(f"{label}: pcg32 rule / mt19937 picker",
            f"{rule / standard:.2f}x ({rule:.0f} vs {standard:.0f} ns)", goal, met)
        row(f"{label}: pcg32 rule / Lemire floor",
            f"{rule / lemire:.2f}x ({rule:.0f} vs {lemire:.1f} ns)")
    # The floor for this rule: the 19.5 generator values a combination takes, nothing else.
    rule, values = draw["combination/rule"], draw["combination/values-only"]
    print(f"  its generator values alone  {values:8.1f}   rule / values alone = "
          f"{rule / values:.2f}x")
    row("seven-number combination: pcg32 rule / its generator values alone",
        f"{rule / values:.2f}x ({rule:.0f} vs {values:.1f} ns)")

    print("commands end to end onto a PrintSurface, median CPU ns:")
    for command in ("showTenCombinations", "showOneCombination", "showOneNumber"):
        ns = draw[f"command/{command}"]
        print(f"  {command:22} {ns:10.0f}")
        row(f"`{command}` onto a PrintSurface", f"{ns / 1000:.2f} µs",
            f"< {FRAME_US / 1000:.1f} ms", "yes" if ns / 1000 < FRAME_US else "NO")

    print(f"start-up to first painted frame, median of {args.startup_runs} runs each:")
    for window, name in WINDOWS.items():
        launch, main_ms, exit_ms, rss, whole_rss = startup[window]
        print(f"  {name:41} launch {launch:6.1f} ms   main {main_ms:6.1f} ms   "
              f"to exit {exit_ms:6.1f} ms   peak RSS {rss:5.1f} MiB to first frame, "
              f"{whole_rss:5.1f} MiB whole run")
    form1_ms, form1_mib = startup["form1"][0], startup["form1"][3]
    for window in ("bare", "floor", "peer"):
        bare_ms, bare_mib = startup[window][0], startup[window][3]
        ratio, extra = form1_ms / bare_ms, form1_mib - bare_mib
        print(f"  Form1 / {WINDOWS[window]}: {ratio:.2f}x, {extra:+.1f} MiB")
        row(f"start-up to first painted frame: Form1 / {WINDOWS[window]}",
            f"{ratio:.2f}x ({form1_ms:.0f} vs {bare_ms:.0f} ms)",
            f"≤ {STARTUP_RATIO_GOAL}x", "yes" if ratio <= STARTUP_RATIO_GOAL else "NO")
        row(f"peak RSS: Form1 − {WINDOWS[window]}",
            f"{extra:+.1f} MiB ({form1_mib:.1f} vs {bare_mib:.1f} MiB)",
            f"≤ {MEMORY_GOAL_MIB:.0f} MiB", "yes" if extra <= MEMORY_GOAL_MIB else "NO")

    print_parts(parts, args.parts_runs)

    print(f"KOMPJUTER press to painted frame, {args.clicks} presses:")
    for key in ("first", "median", "p95", "max"):
        print(f"  {key:6} {click[f'click_{key}_us']:9.1f} µs")
    for key, label in (("median", "median"), ("p95", "95th percentile")):
        us = click[f"click_{key}_us"]
        row(f"KOMPJUTER press to painted frame, {label}", f"{us / 1000:.2f} ms",
            f"< {FRAME_US / 1000:.1f} ms", "yes" if us < FRAME_US else "NO")
    row("KOMPJUTER press to painted frame, first press",
        f"{click['click_first_us'] / 1000:.2f} ms")
    soak_rows(soak, row)

    print()
    print("| metric | measured | goal | met? |")
    print("|---|---|---|---|")
    for metric, measured, goal, met in rows:
        print(f"| {metric} | {measured} | {goal} | {met} |")
    print()
    print(f"Measured {datetime.date.today().isoformat()} on {args.machine} "
          f"(load average before the run: {args.load}), {args.build_type} build, Xvfb at "
          f"96 dpi. Draw benchmarks: median of {args.repetitions} repetitions. Start-up: "
          f"median of {args.startup_runs} runs of each window, taking turns, after 3 untimed "
          f"runs of each. Presses: median and 95th percentile of {args.clicks}, after 10 "
          "untimed ones. Soak: peak memory of one process, each round of the three presses "
          "followed by the window's repaint.")


if __name__ == "__main__":
    main()

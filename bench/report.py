#!/usr/bin/env python3
"""Runs every benchmark and prints one table of the figures beside their goals. Exits with
status 1 when a goal is missed, naming it on standard error, so that a script or CI job that
runs it fails.

    python3 bench/report.py [BUILD_DIR]      (needs a display: run it under xvfb-run)
"""
import datetime
import json
import os
import platform
import re
import subprocess
import sys

build = sys.argv[1] if len(sys.argv) > 1 else "build"
bench = os.path.join(build, "bench")


def run(*args):
    return subprocess.run([os.path.join(bench, args[0]), *args[1:]], check=True,
                          capture_output=True, text=True).stdout


def number(pattern, text):
    match = re.search(pattern, text)
    if not match:
        sys.exit(f"bench report: no figure for /{pattern}/ in:\n{text}")
    return [float(g) for g in match.groups()]


rows = []  # what, figure, goal, met (True, False or None where no goal is set)


def row(what, figure, goal="", met=None):
    rows.append((what, figure, goal, met))


engine = json.loads(run("varnholt_bench_engine", "--benchmark_format=json",
                        "--benchmark_repetitions=9", "--benchmark_report_aggregates_only=true"))
medians = {b["run_name"]: b for b in engine["benchmarks"] if b.get("aggregate_name") == "median"}


def micros(name):
    b = medians[name]
    scale = {"ns": 1e-3, "us": 1, "ms": 1e3}[b["time_unit"]]
    return b["real_time"] * scale


chain = micros("BM_KeystrokeChain")
row("one keystroke's write-back chain", f"{chain:.1f} µs", "under 10 µs", chain < 10)
rings = micros("BM_RingTablePass")
row("one ring table (nine rings sized)", f"{rings:.1f} µs", "under 10 µs", rings < 10)
storm = micros("BM_CriticalStormTable")
row("the critical storm table", f"{storm:.1f} µs", "under 100 µs", storm < 100)
events = micros("BM_EventTables")
row("the design check's three storm events (FEH13)", f"{events:.1f} µs", "under 1 ms",
    events < 1000)
day = micros("BM_RouteDay")
row("one 24-hour storm routed with its 7-day drain-down (1-minute steps)",
    f"{day / 1000:.2f} ms", "under 5 ms", day < 5000)
designs = medians["BM_WholeDesign"]["items_per_second"]
row("whole designs through the engine", f"{designs:,.0f} per second")

drag = run("varnholt_bench_drag", "400")
step, = number(r"repaint\), \d+ steps\s+median\s+([\d.]+) us", drag)
row("one drag step of a handle", f"{step / 1000:.2f} ms", "under 4 ms", step < 4000)
frame_text = run("varnholt_bench_frame", "200")
frame, = number(r"start size, drawn\s+\d+ x\s+\d+\s+median\s+([\d.]+) ms", frame_text)
row("one 3D frame at the start size, drawn", f"{frame:.1f} ms", "under 4 ms", frame < 4)
shown, = number(r"start size, on screen\s+\d+ x\s+\d+\s+median\s+([\d.]+) ms", frame_text)
row("  the same frame until it is on screen", f"{shown:.1f} ms")
sheet_text = run("varnholt_bench_sheet", "21")
sheet, = number(r"median ([\d.]+) ms", sheet_text)
row("one data sheet to PDF (driver process included)", f"{sheet:.0f} ms", "under 150 ms",
    sheet < 150)

startup = run("varnholt_bench_startup", "9")
ours, ours_kib = number(r"Varnholt main window\s+([\d.]+) ms\s+(\d+) KiB", startup)
gl, gl_kib = number(r"bare OpenGL pane\s+([\d.]+) ms\s+(\d+) KiB", startup)
bare, bare_kib = number(r"without OpenGL\s+([\d.]+) ms\s+(\d+) KiB", startup)
row("start-up to first complete paint", f"{ours:.0f} ms")
row("  against a bare Qt OpenGL window", f"{ours / gl:.2f} × ({gl:.0f} ms)", "at most 1.05 ×",
    ours / gl <= 1.05)
row("  against a bare Qt window", f"{ours / bare:.2f} × ({bare:.0f} ms)")
row("peak memory at first paint", f"{ours_kib / 1024:.0f} MiB")
row("  against a bare Qt OpenGL window", f"{ours_kib / gl_kib:.2f} × ({gl_kib / 1024:.0f} MiB)")
row("  against a bare Qt window", f"{ours_kib / bare_kib:.2f} × ({bare_kib / 1024:.0f} MiB)")

cpu = platform.processor()
try:
    with open("/proc/cpuinfo") as f:
        cpu = next(l.split(":", 1)[1].strip() for l in f if l.startswith("model name"))
except (OSError, StopIteration):
    pass
print(f"Measured {datetime.date.today().isoformat()} on {cpu}, {os.cpu_count()} cores, "
      f"{'X server ' + os.environ.get('DISPLAY', '')}, Mesa's software OpenGL where no GPU is.\n")
print("| measure | figure | goal | met |")
print("|---|---|---|---|")
for what, figure, goal, met in rows:
    mark = "" if met is None else ("yes" if met else "**no**")
    print(f"| {what} | {figure} | {goal} | {mark} |")

missed = [(what.strip(), figure, goal) for what, figure, goal, met in rows if met is False]
for what, figure, goal in missed:
    print(f"bench report: goal missed: {what}: {figure}, {goal}", file=sys.stderr)
sys.exit(1 if missed else 0)

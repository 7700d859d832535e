#!/usr/bin/env python3
"""Runs the benchmarks of a build folder, then prints a Markdown table and five name=value lines."""

import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

REPETITIONS = 10
STARTUP_RUNS = 20

build = sys.argv[1]
bench = os.path.join(build, "bench")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
# Qt wants a private runtime folder and warns on every start without one.
runtime = tempfile.TemporaryDirectory()
env.setdefault("XDG_RUNTIME_DIR", runtime.name)


def box_figures():
    """Median thread CPU time of each benchmark, in microseconds.

    Every figure is work done synchronously on one thread, so its CPU time is its wall time on an idle
    machine; on a shared one, CPU time leaves out the turns other programs take.
    """
    command = [
        os.path.join(bench, "bench_showbox"),
        "--benchmark_format=json",
        f"--benchmark_repetitions={REPETITIONS}",
        "--benchmark_report_aggregates_only=true",
        # Interleaved repetitions spread a busy moment of the machine over every figure alike.
        "--benchmark_enable_random_interleaving=true",
        "--benchmark_min_time=0.2",
    ]
    report = json.loads(subprocess.run(command, env=env, stdout=subprocess.PIPE, check=True).stdout)
    figures = {}
    for entry in report["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            if entry.get("error_occurred"):
                sys.exit(f"{entry['run_name']}: {entry.get('error_message')}")
            assert entry["time_unit"] == "us"
            figures[entry["run_name"]] = entry["cpu_time"]
    return figures


def start_once(program):
    """Milliseconds from starting `program` to its first idle moment, and its peak resident memory in KiB."""
    started = time.monotonic_ns()
    child = subprocess.Popen([os.path.join(bench, program)], env=env, stdout=subprocess.PIPE)
    output = child.stdout.read().decode()
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0 or "idle_ns=" not in output:
        sys.exit(f"{program} did not reach its first idle moment (status {status})")
    idle = int(output.split("idle_ns=")[1].split()[0])
    return (idle - started) / 1e6, usage.ru_maxrss


def startup_figures():
    """Median start-up time (ms) and peak memory (MB) of the program and of the bare window."""
    runs = {"startup_tilegauge": [], "startup_bare": []}
    for program in runs:
        start_once(program)  # warms the disk cache and the font cache for both alike
    for _ in range(STARTUP_RUNS):
        for program, results in runs.items():
            results.append(start_once(program))
    return {
        program: (statistics.median(r[0] for r in results), statistics.median(r[1] for r in results) / 1024)
        for program, results in runs.items()
    }


def main():
    box = box_figures()
    start = startup_figures()

    floor = box["floor_read"] + box["floor_image_copy"]
    show_ratio = box["show_box/1MiB"] / floor
    large_ratio = box["show_box/4GiB"] / box["show_box/1MiB"]
    beside_ratio = box["show_box/1MiB_array_window"] / box["show_box/1MiB"]
    program_ms, program_mb = start["startup_tilegauge"]
    bare_ms, bare_mb = start["startup_bare"]
    startup_ratio = program_ms / bare_ms
    rss_delta = program_mb - bare_mb

    def us(name):
        return f"{box[name]:.1f} µs"

    rows = [
        ("Show a box in the window, 1 MiB file: texts, 16 reads, repaint", us("show_box/1MiB"),
         f"reads + image copy floors, {floor:.1f} µs", f"{show_ratio:.2f}x", "≤ 3x"),
        ("Show the same boxes of a 4 GiB sparse file", us("show_box/4GiB"),
         f"the 1 MiB file, {us('show_box/1MiB')}", f"{large_ratio:.2f}x", "≤ 1.10x"),
        ("Show a box with the array window open beside: its outline too", us("show_box/1MiB_array_window"),
         f"the window alone, {us('show_box/1MiB')}", f"{beside_ratio:.2f}x", "≤ 1.05x"),
        ("Read a box's 16 bytes, 1 MiB file", us("read_box/1MiB"),
         f"read floor, {us('floor_read')}", f"{box['read_box/1MiB'] / box['floor_read']:.2f}x", ""),
        ("Read a box's 16 bytes, 4 GiB sparse file", us("read_box/4GiB"),
         f"the 1 MiB file, {us('read_box/1MiB')}", f"{box['read_box/4GiB'] / box['read_box/1MiB']:.2f}x", ""),
        ("Paint a box into the canvas image", us("paint_canvas"),
         f"image copy floor, {us('floor_image_copy')}",
         f"{box['paint_canvas'] / box['floor_image_copy']:.2f}x", ""),
        ("Repaint the canvas view", us("repaint_view"),
         f"image copy floor, {us('floor_image_copy')}",
         f"{box['repaint_view'] / box['floor_image_copy']:.2f}x", ""),
        ("Set and repaint the three texts", us("set_texts"), "", "", ""),
        ("Repaint the scroll bar", us("repaint_scroll_bar"), "", "", ""),
        ("Identify a path", us("identify_path"), "", "", ""),
        ("Floor: POSIX open + 16 single-byte pread + close", us("floor_read"), "", "", ""),
        ("Floor: 128 x 128 image copy through a painter", us("floor_image_copy"), "", "", ""),
        (f"Start-up to idle, median of {STARTUP_RUNS}", f"{program_ms:.1f} ms",
         f"bare Qt window, {bare_ms:.1f} ms", f"{startup_ratio:.2f}x", "≤ 2x"),
        ("Peak resident memory, median", f"{program_mb:.1f} MB",
         f"bare Qt window, {bare_mb:.1f} MB", f"{rss_delta:+.1f} MB", "≤ +5 MB"),
    ]
    print("| Measure | Tilegauge | Against | Ratio | Target |")
    print("|---|---:|---|---:|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print()
    print(f"show_box_ratio={show_ratio:.2f}")
    print(f"large_file_ratio={large_ratio:.2f}")
    print(f"array_window_step_ratio={beside_ratio:.2f}")
    print(f"startup_ratio={startup_ratio:.2f}")
    print(f"rss_delta_mb={rss_delta:.1f}")


main()

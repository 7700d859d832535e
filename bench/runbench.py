#!/usr/bin/env python3
"""Runs the benchmarks of a build folder, then prints a Markdown table and ten name=value lines."""

import json
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

REPETITIONS = 10
STARTUP_RUNS = 20
BATCH_RUNS = 20

build = sys.argv[1]
bench = os.path.join(build, "bench")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
# Qt wants a private runtime folder and warns on every start without one.
runtime = tempfile.TemporaryDirectory()
env.setdefault("XDG_RUNTIME_DIR", runtime.name)


def google_benchmark(program, *options):
    """Median CPU time of each benchmark of `program`, in the unit it reports."""
    command = [
        os.path.join(bench, program),
        "--benchmark_format=json",
        f"--benchmark_repetitions={REPETITIONS}",
        "--benchmark_report_aggregates_only=true",
        "--benchmark_enable_random_interleaving=true",
        *options,
    ]
    report = json.loads(subprocess.run(command, env=env, stdout=subprocess.PIPE, check=True).stdout)
    figures = {}
    for entry in report["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            if entry.get("error_occurred"):
                sys.exit(f"{entry['run_name']}: {entry.get('error_message')}")
            figures[entry["run_name"].removesuffix("/process_time")] = entry["cpu_time"]
    return figures


def batch_files(folder):
    """A 1 MiB cartridge image of the first game, and a 4 MiB one with moved tables, code and noise."""
    key = b"GM 00001009-00"
    small = bytearray(1 << 20)
    small[0x180:0x180 + len(key)] = key
    small[0x16F] = ord("G")
    for i in range(4096):
        small[0x62A00 + i] = (i // 16 + i % 16) % 17
    big = bytearray(random.Random(13).randbytes(4 << 20))
    big[0:len(small)] = small
    moved = 0x2F0000
    big[moved - 0x100:moved + 0x2000] = small[0x62900:0x62900 + 0x2100]
    for n, address in enumerate((moved - 0x100, moved, moved + 0x1000)):
        big[0x4000 + 6 * n:0x4006 + 6 * n] = b"\x45\xF9" + address.to_bytes(4, "big")
    paths = os.path.join(folder, "small.bin"), os.path.join(folder, "big.bin")
    for path, data in zip(paths, (small, big)):
        with open(path, "wb") as out:
            out.write(data)
    return paths


def batch_figures():
    """Median milliseconds of whole processes: --version, each batch command and the copy that --set's
    floor adds to --version, interleaved."""
    program = os.path.join(build, "app", "tilegauge")
    folder = tempfile.TemporaryDirectory()
    small, big = batch_files(folder.name)
    sheet = os.path.join(folder.name, "sheet.png")
    copy = os.path.join(folder.name, "copy.bin")
    commands = {
        "version": [program, "--version"],
        "dump": [program, "--dump", small],
        "sheet": [program, "--sheet", sheet, "--look", "compact", small],
        "find": [program, "--find", big],
        # A one-line fix into a copy, against a copy that reaches the disk: the least any tool must do.
        "set": [program, "--set", "10=0102030405060708090A0B0C0D0E0F10", "--output", copy, big],
        "dd": ["dd", f"if={big}", f"of={copy}", "bs=4M", "conv=fsync", "status=none"],
    }
    runs = {name: [] for name in commands}
    for round in range(BATCH_RUNS + 1):
        for name, arguments in commands.items():
            started = time.monotonic_ns()
            subprocess.run(arguments, env=env, stdout=subprocess.DEVNULL, check=True)
            if round > 0:  # the first round only warms the disk cache
                runs[name].append((time.monotonic_ns() - started) / 1e6)
    return {name: statistics.median(times) for name, times in runs.items()}


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
    batch = batch_figures()
    sheet = google_benchmark("bench_sheet", "--benchmark_min_time=0.5")
    total = google_benchmark("bench_arraywindowstep", "--benchmark_min_time=0.2")

    floor = box["floor_read"] + box["floor_image_copy"]
    show_ratio = box["show_box/1MiB"] / floor
    # What any viewer must also do: draw the three texts.
    full_floor = floor + box["floor_glyph_runs"]
    show_floor_ratio = box["show_box/1MiB"] / full_floor
    large_ratio = box["show_box/4GiB"] / box["show_box/1MiB"]
    # Both with a turn of the event loop after each step, untimed, as in use.
    beside_ratio = box["show_box/1MiB_array_window"] / box["show_box/1MiB_event_loop"]
    # The step and the turns after it, timed together: all the array window costs a step.
    total_ratio = total["step_total/array_window"] / total["step_total/alone"]
    program_ms, program_mb = start["startup_tilegauge"]
    bare_ms, bare_mb = start["startup_bare"]
    startup_ratio = program_ms / bare_ms
    rss_delta = program_mb - bare_mb
    dump_ratio = batch["dump"] / batch["version"]
    sheet_ratio = batch["sheet"] / batch["version"]
    find_ratio = batch["find"] / batch["version"]
    set_ratio = batch["set"] / (batch["version"] + batch["dd"])
    png_ratio = sheet["sheet_canvas_png"] / sheet["png_writer_only"]

    def us(name):
        return f"{box[name]:.1f} µs"

    rows = [
        ("Show a box in the window, 1 MiB file: texts, 16 reads, repaint", us("show_box/1MiB"),
         f"reads + image copy floors, {floor:.1f} µs", f"{show_ratio:.2f}x", ""),
        ("Show a box, against every floor", us("show_box/1MiB"),
         f"reads + image copy + texts floors, {full_floor:.1f} µs", f"{show_floor_ratio:.2f}x", "≤ 3x"),
        ("Show the same boxes of a 4 GiB sparse file", us("show_box/4GiB"),
         f"the 1 MiB file, {us('show_box/1MiB')}", f"{large_ratio:.2f}x", "≤ 1.10x"),
        ("Show a box with the array window open beside", us("show_box/1MiB_array_window"),
         f"the window alone, {us('show_box/1MiB_event_loop')}", f"{beside_ratio:.2f}x", "≤ 1.05x"),
        ("A step and the turns after it, with the array window open: outline, readout, repaint",
         f"{total['step_total/array_window']:.1f} µs", f"without it, {total['step_total/alone']:.1f} µs",
         f"{total_ratio:.2f}x", "≤ 2x"),
        ("A press in the box editor until the editor and that box of the grid have repainted",
         f"{total['edit_column/press_to_repaint']:.1f} µs", "", "", "≤ 2 ms"),
        ("The array window's part, when the event loop runs: outline, readout, repaint of two boxes",
         us("array_window_follow"), "", "", ""),
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
        ("Floor: the three texts as glyph runs shaped beforehand", us("floor_glyph_runs"), "", "", ""),
        (f"Start-up to idle, median of {STARTUP_RUNS}", f"{program_ms:.1f} ms",
         f"bare Qt window, {bare_ms:.1f} ms", f"{startup_ratio:.2f}x", "≤ 2x"),
        ("Peak resident memory, median", f"{program_mb:.1f} MB",
         f"bare Qt window, {bare_mb:.1f} MB", f"{rss_delta:+.1f} MB", "≤ +5 MB"),
        (f"`tilegauge --dump`, 1 MiB file, whole process, median of {BATCH_RUNS}", f"{batch['dump']:.1f} ms",
         f"`tilegauge --version`, {batch['version']:.1f} ms", f"{dump_ratio:.2f}x", "≤ 1.5x"),
        ("`tilegauge --sheet --look compact`, 1 MiB file, whole process", f"{batch['sheet']:.1f} ms",
         f"`tilegauge --version`, {batch['version']:.1f} ms", f"{sheet_ratio:.2f}x", "≤ 1.5x"),
        ("`tilegauge --find`, 4 MiB image, whole process", f"{batch['find']:.1f} ms",
         f"`tilegauge --version`, {batch['version']:.1f} ms", f"{find_ratio:.2f}x", "≤ 1.5x"),
        ("`tilegauge --set` into a copy of a 4 MiB image, whole process", f"{batch['set']:.1f} ms",
         f"`tilegauge --version` + `dd bs=4M conv=fsync`, {batch['version']:.1f} + {batch['dd']:.1f} ms",
         f"{set_ratio:.2f}x", "≤ 1.3x"),
        ("Canvas-look sheet, painted and encoded as PNG (2082 x 2082)", f"{sheet['sheet_canvas_png']:.1f} ms",
         f"Qt's PNG writer alone, same image, {sheet['png_writer_only']:.1f} ms", f"{png_ratio:.2f}x", ""),
        ("Paint the canvas-look sheet", f"{sheet['paint_sheet/0']:.2f} ms", "", "", ""),
        ("Paint the compact sheet", f"{sheet['paint_sheet/1']:.2f} ms", "", "", ""),
    ]
    print("| Measure | Tilegauge | Against | Ratio | Target |")
    print("|---|---:|---|---:|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    print()
    print(f"show_box_ratio={show_ratio:.2f}")
    print(f"show_box_floor_ratio={show_floor_ratio:.2f}")
    print(f"large_file_ratio={large_ratio:.2f}")
    print(f"array_window_step_ratio={beside_ratio:.2f}")
    print(f"array_window_total_ratio={total_ratio:.2f}")
    print(f"editor_press_to_repaint_us={total['edit_column/press_to_repaint']:.1f}")
    print(f"startup_ratio={startup_ratio:.2f}")
    print(f"rss_delta_mb={rss_delta:.1f}")
    print(f"dump_ratio={dump_ratio:.2f}")
    print(f"sheet_ratio={sheet_ratio:.2f}")
    print(f"find_ratio={find_ratio:.2f}")
    print(f"set_ratio={set_ratio:.2f}")


main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time of Quantova against the floor of any Qt Widgets program.

Starts the real program under one Xvfb (with openbox), in a directory holding
a package of all 36 built-in categories, and measures the time from exec
until its main window is visible, polling xdotool every few milliseconds. A
race is STARTS starts of each program, taken in turn (the minimal Qt window
of bench_minimal_window, then Quantova, then each --also program); each race
gives a median per program, and the script prints the median of the races'
medians, the ratio to the minimal window, and how many shared libraries each
program loads (ldd).

Usage: bench/startup.py BUILD_DIR [--races 3] [--starts 7] [--display :196]
                        [--also NAME=PATH ...] [--instructions]

BUILD_DIR is a build folder such as build/default. --also races another
build of the window (an older one, to compare before and after in one run);
each program runs from a folder of its own with the same package.

Wall time is noisy on a busy machine. --instructions counts instead the
instructions each program runs (callgrind, the dynamic loader included)
from exec until its window is visible and the program has gone idle (one
second later), once per program.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def library_count(program):
    out = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
    return sum(1 for line in out.splitlines() if line.strip())


class Display:
    def __init__(self, number):
        if number:
            self.name = number
            self.xvfb = subprocess.Popen(["Xvfb", number, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        else:
            read_end, write_end = os.pipe()
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                                          "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
            os.close(write_end)
            self.name = ":" + os.read(read_end, 16).decode().strip()
            os.close(read_end)
        self.env = dict(os.environ, DISPLAY=self.name, QT_QPA_PLATFORM="xcb")
        time.sleep(0.5)
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.5)

    def visible(self, title):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title], env=self.env,
                              capture_output=True).returncode == 0

    def time_to_window(self, command, title, folder):
        env = dict(self.env, XDG_CONFIG_HOME=os.path.join(folder, "config"))
        start = time.monotonic()
        p = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while not self.visible(title):
            if time.monotonic() - start > 20:
                raise RuntimeError(title + " never appeared")
            time.sleep(0.002)
        elapsed = time.monotonic() - start
        p.terminate()
        p.wait()
        return elapsed * 1000

    def instructions_to_window(self, command, title, folder):
        env = dict(self.env, XDG_CONFIG_HOME=os.path.join(folder, "config"))
        out = os.path.join(folder, "callgrind.out")
        p = subprocess.Popen(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out] + command, cwd=folder,
                             env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        start = time.monotonic()
        while not self.visible(title):
            if time.monotonic() - start > 120:
                raise RuntimeError(title + " never appeared")
            time.sleep(0.05)
        time.sleep(1)
        p.terminate()
        p.wait()
        with open(out) as f:
            totals = [line for line in f if line.startswith("totals:") or line.startswith("summary:")]
        os.remove(out)
        return int(totals[-1].split()[1])

    def close(self):
        self.wm.terminate()
        self.xvfb.terminate()
        self.wm.wait()
        self.xvfb.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("--races", type=int, default=3)
    parser.add_argument("--starts", type=int, default=7)
    parser.add_argument("--display", help="an X display number to use, such as :196 (default: the first free one)")
    parser.add_argument("--also", action="append", default=[], metavar="NAME=PATH")
    parser.add_argument("--instructions", action="store_true", help="count instructions (callgrind) instead of time")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    minimal = os.path.join(build, "bench", "bench_minimal_window")
    make_package = os.path.join(build, "bench", "make_package")
    windows = [("Quantova", os.path.join(build, "bin", "quantova"))]
    for extra in args.also:
        name, _, path = extra.partition("=")
        windows.append((name, os.path.abspath(path)))

    work = tempfile.mkdtemp(prefix="quantova-startup-")
    folders = {}
    for name, path in windows:
        folder = os.path.join(work, name)
        os.makedirs(folder)
        shutil.copy2(path, folder)
        subprocess.run([make_package, folder], check=True)
        folders[name] = (folder, os.path.join(folder, os.path.basename(path)))

    display = Display(args.display)
    try:
        if args.instructions:
            floor = display.instructions_to_window([minimal], "Minimal", work)
            print("instructions until the window is up and idle (callgrind), X display %s:" % display.name)
            print("  %-16s %7.1f M  ratio 1.00  %3d libraries" % ("minimal Qt window", floor / 1e6, library_count(minimal)))
            for name, path in windows:
                folder, program = folders[name]
                ours = display.instructions_to_window([program], "Quantova", folder)
                print("  %-16s %7.1f M  ratio %.2f  %3d libraries" % (name, ours / 1e6, ours / floor,
                                                                        library_count(path)))
            return 0
        races = {name: [] for name in ["minimal"] + [n for n, _ in windows]}
        for race in range(args.races):
            times = {name: [] for name in races}
            for _ in range(args.starts):
                times["minimal"].append(display.time_to_window([minimal], "Minimal", work))
                for name, _ in windows:
                    folder, program = folders[name]
                    times[name].append(display.time_to_window([program], "Quantova", folder))
            line = []
            for name, values in times.items():
                races[name].append(statistics.median(values))
                line.append("%s %.1f" % (name, races[name][-1]))
            print("race %d (median of %d starts, ms): %s" % (race + 1, args.starts, ", ".join(line)), flush=True)
        floor = statistics.median(races["minimal"])
        print("median of %d races of %d starts, X display %s:" % (args.races, args.starts, display.name))
        print("  %-16s %7.1f ms  ratio 1.00  %3d libraries" % ("minimal Qt window", floor, library_count(minimal)))
        for name, path in windows:
            ours = statistics.median(races[name])
            print("  %-16s %7.1f ms  ratio %.2f  %3d libraries" % (name, ours, ours / floor, library_count(path)))
    finally:
        display.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

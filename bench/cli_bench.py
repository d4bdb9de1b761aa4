#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""quantova-cli against GNU units: one short call, and batch throughput.

    bench/cli_bench.py build/release [--runs 300] [--lines 1000000]

One call: `quantova-cli 12*2.54 in ft` and `units -t '12*2.54 in' ft`, run
alternately, each many times; the median wall time and the median CPU time
(user + system, from the kernel's accounting of the child) of each. CPU time
is the fairer figure on a busy machine, where wall time mostly measures
waiting for a core.

Batch: the same conversions (plain numbers and products, six unit pairs both
programs know) written once as "VALUE FROM TO" lines for quantova-cli --batch
and as alternating have/want lines for units' own batch mode; each program
converts the whole file once, output to /dev/null.

The program runs from a temporary folder of its own with --builtin, so no
package of the build tree takes part. Without units installed (Debian package
`units`) only quantova-cli is measured, and the script says so.
"""

import argparse
import os
import shutil
import statistics
import sys
import tempfile
import time

PAIRS = [("in", "ft"), ("km", "mi"), ("kg", "g"), ("l", "ml"), ("W", "kW"), ("mm", "in")]


def run_once(argv, stdin_path=None):
    """Runs argv to completion; returns (wall seconds, CPU seconds)."""
    null = os.open(os.devnull, os.O_WRONLY)
    actions = [(os.POSIX_SPAWN_DUP2, null, 1), (os.POSIX_SPAWN_DUP2, null, 2)]
    fd = None
    if stdin_path:
        fd = os.open(stdin_path, os.O_RDONLY)
        actions.append((os.POSIX_SPAWN_DUP2, fd, 0))
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    os.close(null)
    if fd is not None:
        os.close(fd)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} failed with status {status}")
    return wall, usage.ru_utime + usage.ru_stime


def one_call(programs, runs):
    times = {name: ([], []) for name in programs}
    for _ in range(runs):
        for name, argv in programs.items():
            wall, cpu = run_once(argv)
            times[name][0].append(wall)
            times[name][1].append(cpu)
    return {name: (statistics.median(w), statistics.median(c)) for name, (w, c) in times.items()}


def write_batches(folder, lines):
    ours = os.path.join(folder, "quantova.txt")
    theirs = os.path.join(folder, "units.txt")
    with open(ours, "w") as q, open(theirs, "w") as u:
        for i in range(lines):
            src, dst = PAIRS[i % len(PAIRS)]
            value = f"{i % 997 + 1}*2.54" if i % 2 else f"{(i % 9973) / 7:.4f}"
            q.write(f"{value} {src} {dst}\n")
            u.write(f"{value} {src}\n{dst}\n")
    return ours, theirs


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", help="build folder holding bin/quantova-cli")
    parser.add_argument("--runs", type=int, default=300)
    parser.add_argument("--lines", type=int, default=1_000_000)
    args = parser.parse_args()

    units = shutil.which("units")
    with tempfile.TemporaryDirectory() as folder:
        program = os.path.join(folder, "quantova-cli")
        shutil.copy2(os.path.join(args.build, "bin", "quantova-cli"), program)

        calls = {"quantova-cli": [program, "--builtin", "12*2.54", "in", "ft"]}
        if units:
            calls["units"] = [units, "-t", "12*2.54 in", "ft"]
        else:
            print("units is not installed (Debian package 'units'): measuring quantova-cli alone")
        print(f"One call, median of {args.runs} runs each:")
        single = one_call(calls, args.runs)
        for name, (wall, cpu) in single.items():
            print(f"  {name:13s} wall {wall * 1e3:7.3f} ms   cpu {cpu * 1e3:7.3f} ms")
        if units:
            (qw, qc), (uw, uc) = single["quantova-cli"], single["units"]
            print(f"  ratio quantova-cli/units: wall {qw / uw:.3f}, cpu {qc / uc:.3f} (aim: at most 0.333)")

        ours, theirs = write_batches(folder, args.lines)
        print(f"Batch of {args.lines} conversions:")
        wall, cpu = run_once([program, "--builtin", "--batch"], ours)
        print(f"  quantova-cli  wall {wall:7.3f} s   cpu {cpu:7.3f} s   "
              f"{args.lines / wall:12,.0f} /s wall   {args.lines / cpu:12,.0f} /s cpu (aim: 1,000,000 /s)")
        if units:
            uwall, ucpu = run_once([units, "-t"], theirs)
            print(f"  units         wall {uwall:7.3f} s   cpu {ucpu:7.3f} s   "
                  f"{args.lines / uwall:12,.0f} /s wall   {args.lines / ucpu:12,.0f} /s cpu")
            print(f"  throughput ratio quantova-cli/units: wall {uwall / wall:.1f}x, cpu {ucpu / cpu:.1f}x")


if __name__ == "__main__":
    main()

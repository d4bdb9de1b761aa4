#!/usr/bin/env python3
"""Start-up time of Quantova against the floor of any Qt Widgets program.

Starts the real program under Xvfb (with openbox), in a directory holding a
package of all 36 built-in categories, and measures the time from exec until
its main window is visible, polling xdotool every few milliseconds. In the
same run, alternating with it, it times a minimal Qt program that shows a
window with a list and a table. Prints both medians and their ratio.

Usage: bench/startup.py BUILD_DIR [RUNS]     (BUILD_DIR such as build/default)
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
quantova = os.path.join(build, "bin", "quantova")
minimal = os.path.join(build, "bench", "bench_minimal_window")
make_package = os.path.join(build, "bench", "make_package")

work = tempfile.mkdtemp(prefix="quantova-startup-")
shutil.copy2(quantova, work)
subprocess.run([make_package, work], check=True)

read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.close(write_end)
display = ":" + os.read(read_end, 16).decode().strip()
env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(work, "config"))
wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(0.5)


def visible(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title], env=env,
                          capture_output=True).returncode == 0


def time_to_window(command, title):
    start = time.monotonic()
    p = subprocess.Popen(command, cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not visible(title):
        if time.monotonic() - start > 20:
            raise RuntimeError(title + " never appeared")
        time.sleep(0.002)
    elapsed = time.monotonic() - start
    p.terminate()
    p.wait()
    return elapsed * 1000


try:
    ours, floor = [], []
    for _ in range(runs):
        floor.append(time_to_window([minimal], "Minimal"))
        ours.append(time_to_window([os.path.join(work, "quantova")], "Quantova"))
    print("runs: %d" % runs)
    print("minimal Qt window: median %.1f ms  (%s)" % (statistics.median(floor), " ".join("%.0f" % t for t in floor)))
    print("Quantova:          median %.1f ms  (%s)" % (statistics.median(ours), " ".join("%.0f" % t for t in ours)))
    print("ratio: %.2f" % (statistics.median(ours) / statistics.median(floor)))
finally:
    wm.terminate()
    xvfb.terminate()
    shutil.rmtree(work, ignore_errors=True)

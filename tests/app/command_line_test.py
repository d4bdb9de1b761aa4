#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""quantova's command line: --help and --version answer without a display
(the xcb platform with no DISPLAY would abort any application that tried to
open one), and an argument the program does not know is refused with a
usage error before any window or file is made.

Usage: command_line_test.py QUANTOVA VERSION
"""
import os
import subprocess
import sys
import tempfile

QUANTOVA, VERSION = sys.argv[1], sys.argv[2]
NO_DISPLAY = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
NO_DISPLAY["QT_QPA_PLATFORM"] = "xcb"
OFFSCREEN = dict(NO_DISPLAY, QT_QPA_PLATFORM="offscreen")

HELP = ("Usage: ", "-h, --help", "-v, --version", "every unit of its category")
# arguments, environment, exit status, texts standard output holds, text of standard error
CASES = [
    (["--help"], NO_DISPLAY, 0, HELP, ""),
    (["-h"], NO_DISPLAY, 0, HELP, ""),
    # Qt's own options beside --help are no error.
    (["-platform", "xcb", "-reverse", "--help"], NO_DISPLAY, 0, HELP, ""),
    (["--version"], NO_DISPLAY, 0, ("quantova (Quantova) %s\n" % VERSION,), ""),
    (["-v"], NO_DISPLAY, 0, ("quantova (Quantova) %s\n" % VERSION,), ""),
    (["--bogus"], OFFSCREEN, 2, (), "quantova: Unknown option 'bogus'.\nTry 'quantova --help' for more information.\n"),
    (["-reverse", "units.qv"], OFFSCREEN, 2, (), "quantova: Unexpected argument 'units.qv'.\n"
                                                  "Try 'quantova --help' for more information.\n"),
]

failures = []
with tempfile.TemporaryDirectory(prefix="quantova-cmdline-") as work:
    for args, env, status, out_texts, err in CASES:
        r = subprocess.run([QUANTOVA] + args, env=dict(env, HOME=work), cwd=work,
                           capture_output=True, text=True, timeout=60)
        # Qt may warn about the platform before the message (XDG_RUNTIME_DIR).
        if r.returncode != status or not r.stderr.endswith(err) or (not err and r.stderr) or not all(t in r.stdout for t in out_texts) \
                or (status == 0 and out_texts[0].endswith("\n") and r.stdout != out_texts[0]):
            failures.append("%r: status %d, stdout %r, stderr %r" % (args, r.returncode, r.stdout, r.stderr))
    # A refused command line made no file.
    if os.listdir(work):
        failures.append("files made: %r" % os.listdir(work))

for f in failures:
    print(f)
sys.exit(1 if failures else 0)

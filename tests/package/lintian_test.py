#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's checker on the package made from this build folder with CPack:
no error and no warning (lintian --fail-on error,warning). Every tag it
reports is printed, informational ones too.

Usage: lintian_test.py BUILD_DIR
"""
import glob
import os
import subprocess
import sys
import tempfile

BUILD = sys.argv[1]

with tempfile.TemporaryDirectory(prefix="quantova-lintian-") as out:
    r = subprocess.run(["cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-G", "DEB", "-B", out],
                       capture_output=True, text=True)
    debs = glob.glob(os.path.join(out, "*.deb"))
    if r.returncode != 0 or len(debs) != 1:
        sys.exit("cpack failed: %s%s" % (r.stdout, r.stderr))
    r = subprocess.run(["lintian", "--fail-on", "error,warning", "--display-info", "--tag-display-limit", "0", debs[0]],
                       capture_output=True, text=True)
    print(r.stdout, end="")
    print(r.stderr, end="", file=sys.stderr)
    sys.exit(r.returncode)

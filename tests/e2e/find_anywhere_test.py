#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Find Anywhere in the real program under Xvfb: with Length current, Ctrl+K,
a whole conversion typed into the box, Enter; the window then shows the
value in the unit typed, in its category, with the target unit highlighted.
With --shot DEST, a picture of the window with the box open is saved.

Usage: find_anywhere_test.py QUANTOVA [--shot DEST]
"""
import argparse
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("quantova")
parser.add_argument("--shot")
ARGS = parser.parse_args()
LINE = "5 kn to km/h"
session = []


def main():
    s = xsession.Session("quantova-find-")
    session.append(s)
    view = os.path.join(s.work, "view.txt")
    s.env.update({"QUANTOVA_VIEW_DUMP": view, "XDG_CONFIG_HOME": os.path.join(s.work, "config")})
    program_path = os.path.join(s.work, "quantova")
    shutil.copy2(ARGS.quantova, program_path)

    program = s.start(program_path)
    s.find_window("Quantova - Installing Categories")
    s.choose_in_installer("Length", "Velocity")
    main_window = s.find_window("Quantova")
    s.wait_for("Length in view", lambda: xsession.read_view(view).get("status0", "").startswith("Length, "))

    s.keys("alt+e", "ctrl+k")
    s.type_text(LINE)
    if ARGS.shot:
        s.screenshot(main_window, ARGS.shot, frame=True)
    s.keys("Return")

    expected = {"status0": "Velocity (Speed), 1 knot = 1.852 kph", "value": "5", "unit": "knot (knots)"}

    def arrived():
        v = xsession.read_view(view)
        return all(v.get(k) == want for k, want in expected.items()) and \
            v["rows"].get("kph (kilometers/hour)") == "9.26"
    s.wait_for("5 knot in Velocity (Speed) with kph highlighted: %r" % xsession.read_view(view), arrived, timeout=10)
    s.quit(program, main_window)
    print("Find Anywhere test passed")
    s.cleanup()


if __name__ == "__main__":
    xsession.run(main, session)

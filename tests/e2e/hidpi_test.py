#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""High-density screen: the real program at a screen scale of 2
(QT_SCALE_FACTOR=2) under Xvfb. The window keeps its layout in logical
pixels, so its client area is exactly twice 604 x 275 device pixels, and the
conversion works as at scale 1. A screenshot of the window is kept in the
work folder (and written to DEST with --save DEST, to refresh the one in
docs/; --scale 1 makes the ordinary one).

Usage: hidpi_test.py QUANTOVA [--save DEST] [--scale N]
"""
import argparse
import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

parser = argparse.ArgumentParser()
parser.add_argument("quantova")
parser.add_argument("--save")
parser.add_argument("--scale", type=int, default=2)
ARGS = parser.parse_args()
QUANTOVA, SAVE, SCALE = ARGS.quantova, ARGS.save, ARGS.scale
session = []


def main():
    s = xsession.Session("quantova-hidpi-", 1024 * SCALE, 768 * SCALE)
    session.append(s)
    view = os.path.join(s.work, "view.txt")
    s.env.update({"QT_SCALE_FACTOR": str(SCALE), "QUANTOVA_VIEW_DUMP": view,
                  "XDG_CONFIG_HOME": os.path.join(s.work, "config")})
    program_path = os.path.join(s.work, "quantova")
    shutil.copy2(QUANTOVA, program_path)

    program = s.start(program_path)
    s.find_window("Quantova - Installing Categories")
    if SAVE:  # the picture for docs/ shows every built-in category
        s.keys("ctrl+a", "Return", "Tab", "Tab", "space")
        s.find_window("Quantova")
        s.keys("alt+c", "l", "e")  # Length; N, D and T are commands in the category list
    else:
        s.choose_in_installer("Length", "Temperature", "Currency")
    main_window = s.find_window("Quantova")
    s.wait_for("Length in view", lambda: xsession.read_view(view).get("status1") == "Custom Category")

    # 12*2.54 inches, with feet highlighted.
    s.keys("alt+s", "i")  # "n" would switch the number format here
    s.keys("alt+e", "ctrl+a")
    s.type_text("12*2.54")
    s.keys("Return")
    s.wait_for("30.48 in", lambda: xsession.read_view(view)["rows"].get("ft (feet)") == "2.54")
    s.keys("alt+u", "Home")
    for _ in range(40):
        if xsession.read_view(view).get("status0") == "Length, 1 in = 0.0833333 ft":
            break
        s.keys("Down")
    else:
        s.fail("the ft row was not reached: %r" % xsession.read_view(view).get("status0"))

    shot = os.path.join(s.work, "main-window-scale%d.png" % SCALE)
    size = s.screenshot(main_window, shot)
    if size != (604 * SCALE, 275 * SCALE):
        s.fail("window of %r device pixels at scale %d" % (size, SCALE))
    if SAVE:  # with its frame, as a person sees it
        s.screenshot(main_window, SAVE, frame=True)
    s.quit(program, main_window)
    print("high-density test passed")
    s.cleanup()


if __name__ == "__main__":
    xsession.run(main, session)

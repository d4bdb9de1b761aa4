#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test: a session that ends by a signal saves as a close does.

For SIGTERM, SIGHUP and SIGINT in turn, the real program starts in an empty
folder, a category is installed and a value typed but not confirmed; then
the signal arrives. The program must end normally, with the package saved
(the typed value in it, marked active) and its lock file gone.

Usage: session_end_test.py QUANTOVA QVDUMP
"""
import os
import shutil
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

QUANTOVA, QVDUMP = sys.argv[1], sys.argv[2]
SESSION = xsession.Session("quantova-session-end-")


def ends_and_saves(signal_number):
    folder = os.path.join(SESSION.work, signal.Signals(signal_number).name)
    os.mkdir(folder)
    shutil.copy2(QUANTOVA, os.path.join(folder, "quantova"))
    env = dict(SESSION.env, XDG_CONFIG_HOME=os.path.join(folder, "config"))
    program = subprocess.Popen([os.path.join(folder, "quantova")], cwd=folder, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    SESSION.processes.append(program)
    SESSION.find_window("Quantova - Installing Categories")
    SESSION.choose_in_installer("Length")
    SESSION.find_window("Quantova")
    SESSION.keys("alt+e", "ctrl+a")
    SESSION.type_text("7")

    program.send_signal(signal_number)
    try:
        program.wait(20)
    except subprocess.TimeoutExpired:
        SESSION.fail("%s did not end the program" % signal.Signals(signal_number).name)
    if program.returncode != 0:
        SESSION.fail("after %s the program ended with %d: %s"
                     % (signal.Signals(signal_number).name, program.returncode, program.stderr.read().decode()))
    package = os.path.join(folder, "Custom Category.qv")
    if not os.path.exists(package):
        SESSION.fail("no package saved after " + signal.Signals(signal_number).name)
    dump = subprocess.run([QVDUMP, package], capture_output=True, text=True).stdout.splitlines()
    if "active\t1" not in dump or not any(line.startswith("category\tLength\t7\t") for line in dump):
        SESSION.fail("package saved after %s: %r" % (signal.Signals(signal_number).name, dump))
    if os.path.lexists(os.path.join(folder, ".quantova.lock")):
        SESSION.fail("the lock file stayed after " + signal.Signals(signal_number).name)


def main():
    for number in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        ends_and_saves(number)
    SESSION.cleanup()
    print("ok")


xsession.run(main, [SESSION])

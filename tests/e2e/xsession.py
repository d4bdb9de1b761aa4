# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X display for driving Quantova as a person would: Xvfb with the
openbox window manager (so that focus, modality and Alt+F4 behave as on a
desktop), xdotool for keys and windows, and a work folder that is removed
afterwards unless the test fails.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time


class Session:
    def __init__(self, prefix, width=1024, height=768, env=None):
        self.work = tempfile.mkdtemp(prefix=prefix)
        self.processes = []
        self.env = dict(os.environ if env is None else env)
        self.env.update({"QT_QPA_PLATFORM": "xcb", "LC_ALL": "C.UTF-8"})
        self.env["DISPLAY"] = self._start_display(width, height)
        self.processes.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        time.sleep(0.5)

    def _start_display(self, width, height):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
                                 "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                self.fail("Xvfb did not start")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def fail(self, message):
        shot = os.path.join(self.work, "failure.png")
        subprocess.run(["import", "-window", "root", shot], env=self.env, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        print("FAILED:", message)
        print("work directory (screenshot failure.png):", self.work)
        self.cleanup(keep=True)
        sys.exit(1)

    def cleanup(self, keep=False):
        for p in reversed(self.processes):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        if not keep:
            shutil.rmtree(self.work, ignore_errors=True)

    def xdo(self, *args, check=True):
        r = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        if check and r.returncode != 0:
            self.fail("xdotool %s: %s" % (" ".join(args), r.stderr.strip()))
        return r.stdout.strip()

    def wait_for(self, what, predicate, timeout=20.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            result = predicate()
            if result:
                return result
            time.sleep(0.02)
        self.fail("timed out waiting for " + what)

    def find_window(self, title, timeout=20.0):
        def found():
            out = self.xdo("search", "--onlyvisible", "--name", "^%s$" % title, check=False)
            return out.split()[-1] if out else None
        wid = self.wait_for("window '%s'" % title, found, timeout)
        self.xdo("windowactivate", "--sync", wid)
        time.sleep(0.15)
        return wid

    def keys(self, *names):
        for name in names:
            self.xdo("key", "--clearmodifiers", name)
            time.sleep(0.05)

    def type_text(self, text):
        self.xdo("type", "--delay", "30", text)
        time.sleep(0.1)

    def start(self, program, env=None):
        p = subprocess.Popen([program], cwd=self.work, env=env or self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.processes.append(p)
        return p

    def quit(self, program, wid):
        self.xdo("windowactivate", "--sync", wid)
        self.keys("alt+F4")
        try:
            program.wait(20)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end after Alt+F4")
        if program.returncode != 0:
            self.fail("the program ended with %d: %s" % (program.returncode, program.stderr.read().decode()))

    def choose_in_installer(self, *names):
        """Moves names into the chosen list by typing them, then presses OK."""
        for name in names:
            time.sleep(0.6)  # a list's type-ahead search forgets what was typed before
            self.type_text(name)
            self.keys("Return")
        self.keys("Tab", "Tab", "space")

    def screenshot(self, wid, path, frame=False):
        """The window's picture, by default without its frame; returns its (width, height)."""
        subprocess.run(["import", *(["-frame"] if frame else []), "-window", wid, path], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
        return tuple(int(n) for n in size.stdout.split())


# The view the program writes for the tests (QUANTOVA_VIEW_DUMP): "key<TAB>value"
# lines, and "row<TAB>unit<TAB>value" for each row of the list of units.
def read_view(path):
    view = {"rows": {}}
    try:
        with open(path, encoding="utf-8") as f:
            for parts in (line.rstrip("\n").split("\t") for line in f):
                if parts[0] == "row" and len(parts) == 3:
                    view["rows"][parts[1]] = parts[2]
                elif len(parts) >= 2:
                    view[parts[0]] = parts[1]
    except OSError:
        pass
    return view


def run(main, session_holder):
    """Runs main(); an unexpected exception fails the test with the session kept."""
    try:
        main()
    except SystemExit:
        raise
    except BaseException as e:  # report, clean up, fail
        print("FAILED with an exception:", repr(e))
        if session_holder:
            session_holder[0].cleanup(keep=True)
        sys.exit(1)

#!/usr/bin/env python3
"""The Debian package, made from this build folder with CPack, unpacked with
dpkg-deb into a temporary root and started there as an installed copy.

Checks the package's control fields (shlibdeps found the Qt libraries), that
it holds exactly the program, desktop entry, icon and metadata, and that the
unpacked program, under Xvfb with HOME in a temporary folder, shows the
installer on its first start, keeps the rates file and the package in the
user's data folder (not beside itself, although root could write there) and
comes back to that package on the next start.

Usage: package_test.py BUILD_DIR VERSION FILE...  (the files the package holds)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

BUILD, VERSION, FILES = sys.argv[1], sys.argv[2], set(sys.argv[3:])
WORK = tempfile.mkdtemp(prefix="quantova-package-")
ROOT = os.path.join(WORK, "root")
HOME = os.path.join(WORK, "home")
DATA = os.path.join(HOME, ".local", "share", "Quantova")
VIEW = os.path.join(WORK, "view.txt")
processes = []


def fail(message):
    print("FAILED:", message)
    print("work directory:", WORK)
    cleanup(keep=True)
    sys.exit(1)


def cleanup(keep=False):
    for p in reversed(processes):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
    if not keep:
        shutil.rmtree(WORK, ignore_errors=True)


def run(*args):
    r = subprocess.run(args, capture_output=True, text=True)
    if r.returncode != 0:
        fail("%s: %s%s" % (" ".join(args), r.stdout, r.stderr))
    return r.stdout


def make_package():
    arch = run("dpkg", "--print-architecture").strip()
    out = os.path.join(WORK, "out")
    run("cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-G", "DEB", "-B", out)
    deb = os.path.join(out, "quantova_%s_%s.deb" % (VERSION, arch))
    if not os.path.isfile(deb):
        fail("no %s among %r" % (os.path.basename(deb), os.listdir(out)))
    return deb


def check_package(deb):
    fields = {}
    for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Description"):
        fields[name] = run("dpkg-deb", "-f", deb, name).strip()
    if fields["Package"] != "quantova" or fields["Version"] != VERSION or not fields["Section"]:
        fail("control fields: %r" % fields)
    if "libqt6widgets6" not in fields["Depends"] or "libc6" not in fields["Depends"]:
        fail("dependencies not found by shlibdeps: %r" % fields["Depends"])
    if not fields["Maintainer"] or "\n" not in fields["Description"]:
        fail("maintainer or long description missing: %r" % fields)

    run("dpkg-deb", "-x", deb, ROOT)
    files = set()
    for folder, _, names in os.walk(ROOT):
        files.update(os.path.relpath(os.path.join(folder, n), ROOT) for n in names)
    if files != FILES:
        fail("files in the package: missing %r, unexpected %r" % (sorted(FILES - files), sorted(files - FILES)))
    for program in (f for f in FILES if f.startswith("usr/bin/")):
        if not os.access(os.path.join(ROOT, program), os.X_OK):
            fail(program + " is not executable")


def start_display():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes.append(xvfb)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            fail("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return ":" + number.decode().strip()


ENV = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
ENV.update({"HOME": HOME, "QT_QPA_PLATFORM": "xcb", "QUANTOVA_VIEW_DUMP": VIEW, "LC_ALL": "C.UTF-8"})


def xdo(*args):
    return subprocess.run(["xdotool", *args], env=ENV, capture_output=True, text=True).stdout.strip()


def wait_for(what, predicate, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = predicate()
        if result:
            return result
        time.sleep(0.02)
    fail("timed out waiting for " + what)


def find_window(title):
    def found():
        out = xdo("search", "--onlyvisible", "--name", "^%s$" % title)
        return out.split()[-1] if out else None
    wid = wait_for("window '%s'" % title, found)
    xdo("windowactivate", "--sync", wid)
    time.sleep(0.15)
    return wid


def keys(*names):
    for name in names:
        xdo("key", "--clearmodifiers", name)
        time.sleep(0.05)


def view_status():
    try:
        with open(VIEW, encoding="utf-8") as f:
            return dict(line.rstrip("\n").split("\t")[:2] for line in f if line.startswith("status"))
    except OSError:
        return {}


def start_program():
    if os.path.exists(VIEW):
        os.remove(VIEW)
    p = subprocess.Popen([os.path.join(ROOT, "usr/bin/quantova")], cwd=WORK, env=ENV,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    processes.append(p)
    return p


def quit_program(program, wid):
    xdo("windowactivate", "--sync", wid)
    keys("alt+F4")
    try:
        program.wait(20)
    except subprocess.TimeoutExpired:
        fail("the program did not end after Alt+F4")
    if program.returncode != 0:
        fail("the program ended with %d: %s" % (program.returncode, program.stderr.read().decode()))


def first_start_and_restart():
    os.makedirs(HOME)
    ENV["DISPLAY"] = start_display()
    processes.append(subprocess.Popen(["openbox"], env=ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    time.sleep(0.5)

    program = start_program()
    find_window("Quantova - Installing Categories")
    for name in ("Currency", "Length"):
        time.sleep(0.6)  # a list's type-ahead search forgets what was typed before
        xdo("type", "--delay", "30", name)
        keys("Return")
    keys("Tab", "Tab", "space")
    main = find_window("Quantova")
    wait_for("the new package in view", lambda: view_status().get("status1") == "Custom Category")
    quit_program(program, main)

    for name in ("Currency.txt", "Custom Category.qv"):
        if not os.path.isfile(os.path.join(DATA, name)):
            fail("%s not in the user's data folder: %r" % (name, os.listdir(HOME)))
    beside = [n for n in os.listdir(os.path.join(ROOT, "usr/bin")) if "usr/bin/" + n not in FILES]
    if beside:
        fail("the installed copy wrote beside itself: %r" % beside)

    program = start_program()
    main = find_window("Quantova")
    wait_for("the package again", lambda: view_status().get("status1") == "Custom Category")
    quit_program(program, main)


def main():
    check_package(make_package())
    first_start_and_restart()
    print("package test passed")
    cleanup()


if __name__ == "__main__":
    try:
        main()
    except SystemExit:
        raise
    except BaseException as e:  # report, clean up, fail
        print("FAILED with an exception:", repr(e))
        cleanup(keep=True)
        sys.exit(1)

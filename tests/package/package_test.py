#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package, made from this build folder with CPack, unpacked with
dpkg-deb into a temporary root and started there as an installed copy.

Checks the package's control fields (shlibdeps found the Qt libraries), that
it holds exactly the expected files, that the desktop entry's StartupWMClass
is the class of the window, and that the unpacked program, under
Xvfb with HOME in a temporary folder, shows the installer on its first
start, keeps the rates file and the package in the user's data folder (not
beside itself, although root could write there) and comes back to that
package on the next start; the packaged quantova-cli, when built, reads
that same package.

Usage: package_test.py BUILD_DIR VERSION FILE...  (the files the package holds)
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import xsession  # noqa: E402

BUILD, VERSION, FILES = sys.argv[1], sys.argv[2], set(sys.argv[3:])
session = []


def run(*args):
    r = subprocess.run(args, capture_output=True, text=True)
    if r.returncode != 0:
        session[0].fail("%s: %s%s" % (" ".join(args), r.stdout, r.stderr))
    return r.stdout


def make_package(s):
    arch = run("dpkg", "--print-architecture").strip()
    out = os.path.join(s.work, "out")
    run("cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-G", "DEB", "-B", out)
    deb = os.path.join(out, "quantova_%s_%s.deb" % (VERSION, arch))
    if not os.path.isfile(deb):
        s.fail("no %s among %r" % (os.path.basename(deb), os.listdir(out)))
    return deb


def check_package(s, deb, root):
    fields = {name: run("dpkg-deb", "-f", deb, name).strip()
              for name in ("Package", "Version", "Section", "Maintainer", "Depends", "Recommends", "Description")}
    if fields["Package"] != "quantova" or fields["Version"] != VERSION or not fields["Section"]:
        s.fail("control fields: %r" % fields)
    if "libqt6widgets6" not in fields["Depends"] or "libc6" not in fields["Depends"]:
        s.fail("dependencies not found by shlibdeps: %r" % fields["Depends"])
    if not fields["Maintainer"] or "\n" not in fields["Description"] or "qt6-wayland" not in fields["Recommends"]:
        s.fail("maintainer or long description missing: %r" % fields)

    run("dpkg-deb", "-x", deb, root)
    files = set()
    for folder, _, names in os.walk(root):
        files.update(os.path.relpath(os.path.join(folder, n), root) for n in names)
    if files != FILES:
        s.fail("files in the package: missing %r, unexpected %r" % (sorted(FILES - files), sorted(files - FILES)))
    for program in (f for f in FILES if f.startswith("usr/bin/")):
        if not os.access(os.path.join(root, program), os.X_OK):
            s.fail(program + " is not executable")


def view_status(view):
    try:
        with open(view, encoding="utf-8") as f:
            return dict(line.rstrip("\n").split("\t")[:2] for line in f if line.startswith("status"))
    except OSError:
        return {}


def first_start_and_restart(s, root):
    home = os.path.join(s.work, "home")
    data = os.path.join(home, ".local", "share", "Quantova")
    view = os.path.join(s.work, "view.txt")
    os.makedirs(home)
    s.env.update({"HOME": home, "QUANTOVA_VIEW_DUMP": view})
    program_path = os.path.join(root, "usr/bin/quantova")

    program = s.start(program_path)
    s.find_window("Quantova - Installing Categories")
    s.choose_in_installer("Currency", "Length")
    main = s.find_window("Quantova")
    s.wait_for("the new package in view", lambda: view_status(view).get("status1") == "Custom Category")
    # Desktops match the window to its menu entry by the class of WM_CLASS.
    wm_class = run("xprop", "-display", s.env["DISPLAY"], "-id", main, "WM_CLASS").split("=")[-1]
    desktop_entry = next(f for f in FILES if f.endswith(".desktop"))
    with open(os.path.join(root, desktop_entry), encoding="utf-8") as f:
        startup_class = [line.split("=", 1)[1].strip() for line in f if line.startswith("StartupWMClass=")]
    if not startup_class or wm_class.split(",")[-1].strip().strip('"') != startup_class[0]:
        s.fail("WM_CLASS %r, StartupWMClass %r" % (wm_class, startup_class))
    s.quit(program, main)

    for name in ("Currency.txt", "Custom Category.qv"):
        if not os.path.isfile(os.path.join(data, name)):
            s.fail("%s not in the user's data folder: %r" % (name, os.listdir(home)))
    beside = [n for n in os.listdir(os.path.join(root, "usr/bin")) if "usr/bin/" + n not in FILES]
    if beside:
        s.fail("the installed copy wrote beside itself: %r" % beside)
    if "usr/bin/quantova-cli" in FILES:  # the command line reads the same folder
        r = subprocess.run([os.path.join(root, "usr/bin/quantova-cli"), "--list"], env=s.env,
                           capture_output=True, text=True)
        if r.returncode != 0 or r.stdout.split("\n")[:2] != ["Currency", "Length"] or r.stderr:
            s.fail("quantova-cli --list: %d %r %r" % (r.returncode, r.stdout, r.stderr))

    os.remove(view)
    program = s.start(program_path)
    main = s.find_window("Quantova")
    s.wait_for("the package again", lambda: view_status(view).get("status1") == "Custom Category")
    s.quit(program, main)


def main():
    # The user's environment must not choose the data folder: only HOME.
    s = xsession.Session("quantova-package-", env={k: v for k, v in os.environ.items() if not k.startswith("XDG_")})
    session.append(s)
    root = os.path.join(s.work, "root")
    check_package(s, make_package(s), root)
    first_start_and_restart(s, root)
    print("package test passed")
    s.cleanup()


if __name__ == "__main__":
    xsession.run(main, session)

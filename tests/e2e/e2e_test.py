#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test: the real program in an empty directory, under Xvfb with a
window manager, driven with xdotool as a person would drive it.

First run: the installer appears; Length and Temperature are installed; a
value is typed and converted; the program quits and saves its package.
Then the editing commands: a unit is added, the default unit deleted and a
new one chosen, a unit hidden and shown again, a category reinstalled after
the warning. After each quit the saved package is checked, and a restart
brings it back. In between, a filter typed over the list of units and the
table it leaves copied to the clipboard.

Usage: e2e_test.py QUANTOVA QVDUMP
"""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

QUANTOVA, QVDUMP = sys.argv[1], sys.argv[2]
# The private X display with openbox, and the work folder the program runs in.
SESSION = xsession.Session("quantova-e2e-")
WORK = SESSION.work
VIEW = os.path.join(WORK, "view.txt")
PACKAGE = os.path.join(WORK, "Custom Category.qv")
ENV = SESSION.env
ENV.update({
    "QUANTOVA_VIEW_DUMP": VIEW,
    "XDG_CONFIG_HOME": os.path.join(WORK, "config"),
})
fail = SESSION.fail
cleanup = SESSION.cleanup
xdo = SESSION.xdo
wait_for = SESSION.wait_for
find_window = SESSION.find_window
keys = SESSION.keys
type_text = SESSION.type_text


def gone(title):
    return not xdo("search", "--onlyvisible", "--name", "^%s$" % title, check=False)


def keys(*names):
    for name in names:
        xdo("key", "--clearmodifiers", name)
        time.sleep(0.05)


def type_text(text):
    xdo("type", "--delay", "30", text)
    time.sleep(0.1)


def read_view():
    try:
        with open(VIEW, encoding="utf-8") as f:
            lines = [line.rstrip("\n").split("\t") for line in f]
    except OSError:
        return None
    view = {"rows": {}}
    for parts in lines:
        if parts[0] == "row" and len(parts) == 3:
            view["rows"][parts[1]] = parts[2]
        elif len(parts) >= 2:
            view[parts[0]] = parts[1]
    return view


def view_where(what, check, timeout=10.0):
    def ok():
        v = read_view()
        return v if v and check(v) else None
    return wait_for(what, ok, timeout)


def dump_package():
    r = subprocess.run([QVDUMP, PACKAGE], capture_output=True, text=True)
    if r.returncode != 0:
        fail("the package cannot be read: " + r.stderr)
    categories = []
    header = {}
    for line in r.stdout.splitlines():
        parts = line.split("\t")
        if parts[0] == "category":
            categories.append({"name": parts[1], "value": parts[2], "default": int(parts[3]), "units": []})
        elif parts[0] == "unit":
            categories[-1]["units"].append({"symbol": parts[1], "definition": parts[2], "factor": parts[3],
                                            "hidden": parts[4] == "1"})
        else:
            header[parts[0]] = parts[1]
    return header, categories


def start_program():
    if os.path.exists(VIEW):
        os.remove(VIEW)
    p = subprocess.Popen([os.path.join(WORK, "quantova")], cwd=WORK, env=ENV,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    SESSION.processes.append(p)
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


def click_in(wid, x, y):
    xdo("mousemove", "--window", wid, str(x), str(y))
    time.sleep(0.05)
    xdo("click", "1")
    time.sleep(0.1)


def choose_in_installer(*names):
    """Moves names into the chosen list by typing them, then presses OK."""
    for name in names:
        time.sleep(0.6)  # a list's type-ahead search forgets what was typed before
        type_text(name)
        keys("Return")
    keys("Tab", "Tab", "space")


def first_run():
    program = start_program()
    find_window("Quantova - Installing Categories")
    choose_in_installer("Length", "Temperature")
    main = find_window("Quantova")
    view = view_where("the Length category", lambda v: v.get("status1") == "Custom Category")
    if view["rows"].get("ft (feet)") != "3.28084":
        fail("Length in metres: ft row reads %r" % view["rows"].get("ft (feet)"))

    keys("alt+e", "ctrl+a")
    type_text("12*2.54")
    keys("Return")
    view = view_where("the converted value", lambda v: v.get("value") == "30.48")
    if view["rows"].get("ft (feet)") != "100" or view["rows"].get("cm (centimeters)") != "3048":
        fail("30.48 m converted wrongly: %r" % view["rows"])
    if view.get("status0") != "Length, 1 m = 1 m":
        fail("status line: %r" % view.get("status0"))

    quit_program(program, main)
    header, categories = dump_package()
    if header.get("active") != "1" or [c["name"] for c in categories] != ["Length", "Temperature"]:
        fail("saved package: %r %r" % (header, [c["name"] for c in categories]))
    if categories[0]["value"] != "30.48":
        fail("saved value: %r" % categories[0]["value"])


def restart_shows_the_package():
    program = start_program()
    main = find_window("Quantova")
    view_where("Length with 30.48 again",
               lambda v: v.get("value") == "30.48" and v["rows"].get("ft (feet)") == "100")
    return program, main


def clipboard(target):
    r = subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", target], env=ENV,
                       capture_output=True, text=True, timeout=10)
    return r.stdout if r.returncode == 0 else None


def filter_and_copy_table():
    # "/" in the list of units opens the filter bar; the list follows each key.
    keys("alt+u", "slash")
    type_text("FEET")
    feet = ["ft (feet)", "ft surv (feet, U.S. survey)"]
    view = view_where("the list filtered to feet", lambda v: sorted(v["rows"]) == feet)
    keys("Down", "ctrl+shift+c")
    expected = "ft\tfeet\t%s\nft surv\tfeet, U.S. survey\t%s\n" % (view["rows"][feet[0]], view["rows"][feet[1]])
    wait_for("the table on the clipboard", lambda: clipboard("UTF8_STRING") == expected)
    html = clipboard("text/html") or ""
    if "<td>feet, U.S. survey</td>" not in html:
        fail("the HTML table on the clipboard: %r" % html)
    # Esc in the bar clears the filter and closes it.
    keys("slash", "Escape")
    view_where("every unit listed again", lambda v: len(v["rows"]) == 38)


def editing(program, main):
    # Add a unit to Length: Ins in the list of units opens the dialog.
    keys("alt+u", "Insert")
    find_window("Add New Unit")
    type_text("smoot")
    keys("Tab")
    type_text("smoots")
    keys("Tab", "ctrl+a")
    type_text("1.7018")
    keys("Return")
    wait_for("the Add New Unit dialog to close", lambda: gone("Add New Unit"))
    xdo("windowactivate", "--sync", main)
    view_where("the new unit", lambda v: v["rows"].get("smoot (smoots)") == "17.9104")

    # Delete the default unit m: the grid highlights it; choose the next unit.
    keys("alt+u", "Home")
    for _ in range(6):
        keys("Down")
    view_where("m highlighted", lambda v: v.get("status0") == "Length, 1 m = 1 m")
    keys("Delete")
    find_window("Select Default Unit")
    for _ in range(6):  # fm A mµ µ mm cm km: km becomes the default
        keys("Down")
    keys("Return")
    wait_for("the Select Default Unit dialog to close", lambda: gone("Select Default Unit"))
    xdo("windowactivate", "--sync", main)
    view_where("m gone", lambda v: "m (meters)" not in v["rows"] and v["rows"].get("ft (feet)") == "100")

    # Hide the highlighted unit with H, then show it again with Ctrl+Ins.
    keys("alt+u", "Home", "h")
    view_where("fm hidden", lambda v: "fm (fermies)" not in v["rows"])
    keys("ctrl+Insert")
    find_window("Show Hidden Units")
    keys("ctrl+a", "Return")
    wait_for("the Show Hidden Units dialog to close", lambda: gone("Show Hidden Units"))
    xdo("windowactivate", "--sync", main)
    view_where("fm visible again", lambda v: "fm (fermies)" in v["rows"])

    # Reinstall Temperature after the warning.
    click_in(main, 272, 14)  # "Install Built-In Categories"
    find_window("Warning")
    keys("Return")
    find_window("Quantova - Installing Categories")
    choose_in_installer("Temperature")
    wait_for("the installer to close", lambda: gone("Quantova - Installing Categories"))

    quit_program(program, main)
    header, categories = dump_package()
    names = [c["name"] for c in categories]
    if names != ["Length", "Temperature"]:
        fail("categories after reinstalling: %r" % names)
    length = categories[0]
    symbols = [u["symbol"] for u in length["units"]]
    if "m" in symbols or symbols[-1] != "smoot" or len(symbols) != 38:
        fail("Length units after editing: %r" % symbols)
    default = length["units"][length["default"]]
    if default["symbol"] != "km" or default["factor"] != "1":
        fail("new default unit: %r" % default)
    smoot = length["units"][-1]
    if abs(float(smoot["factor"]) / 0.0017018 - 1) > 1e-15 or smoot["definition"] != "smoots":
        fail("smoot after rebasing on km: %r" % smoot)
    if any(u["hidden"] for u in length["units"]):
        fail("a unit stayed hidden")


def stays_on_top(wid):
    return "_NET_WM_STATE_ABOVE" in subprocess.run(["xprop", "-id", wid, "_NET_WM_STATE"], env=ENV,
                                                   capture_output=True, text=True).stdout


def about_box_opens():
    find_window("About Quantova", timeout=5)
    keys("Return")
    wait_for("the About box to close", lambda: gone("About Quantova"))


def keys_after_stay_on_top(main):
    """T turns the window always-on-top and back; every key of the tables
    keeps working, in the category list, the grid and the package chooser."""
    keys("alt+c")
    for on_top in (True, False):
        keys("t")
        main = find_window("Quantova")
        wait_for("stay on top %s" % on_top, lambda: stays_on_top(main) == on_top, 5)
        keys("n")  # the number format, not the list's type-ahead
        view_where("scientific values", lambda v: v["rows"].get("ft (feet)") == "1.00000e+2", 5)
        keys("n")
        view_where("general values", lambda v: v["rows"].get("ft (feet)") == "100", 5)
        keys("F1")
        about_box_opens()
        xdo("windowactivate", "--sync", main)
        keys("alt+u", "Home", "ctrl+c")
        first = list(read_view()["rows"].values())[0]
        wait_for("the highlighted value on the clipboard", lambda: clipboard("UTF8_STRING") == first, 5)
        keys("alt+c")
    # In the package chooser (after the grid in the tab order).
    keys("alt+u", "Tab", "n")
    view_where("scientific values from the chooser", lambda v: v["rows"].get("ft (feet)") == "1.00000e+2", 5)
    keys("n", "F1")
    about_box_opens()
    return main


def category_of(view):
    return view.get("status0", "").split(", 1 ")[0]


def click_after_scrolling(main, notches):
    """Scrolls the category list with the wheel and clicks a row near its
    bottom; returns the category the view then shows."""
    xdo("mousemove", "--window", main, "40", "150")
    xdo("click", "--repeat", str(notches), "--delay", "60", "5")
    time.sleep(0.2)
    before = read_view()
    click_in(main, 40, 230)
    return category_of(view_where("another category", lambda v: v != before and v.get("status0"), 5))


def category_click_after_typing(program, main):
    """With every built-in category installed, a category clicked while the
    value field has the focus is the one under the pointer."""
    click_in(main, 272, 14)  # "Install Built-In Categories"
    find_window("Warning")
    keys("Return")
    find_window("Quantova - Installing Categories")
    keys("ctrl+a", "Return", "Tab", "Tab", "space")
    wait_for("the installer to close", lambda: gone("Quantova - Installing Categories"))
    xdo("windowactivate", "--sync", main)
    keys("alt+c", "Home")
    aimed = click_after_scrolling(main, 5)
    keys("Home")
    view_where("the first category again", lambda v: category_of(v) != aimed, 5)
    keys("alt+e")
    type_text("3")
    clicked = click_after_scrolling(main, 5)
    if clicked != aimed:
        fail("clicked %r while typing a value, expected %r" % (clicked, aimed))
    quit_program(program, main)


def main():
    shutil.copy2(QUANTOVA, os.path.join(WORK, "quantova"))

    first_run()
    program, main_window = restart_shows_the_package()
    filter_and_copy_table()
    main_window = keys_after_stay_on_top(main_window)
    editing(program, main_window)
    program = start_program()
    main_window = find_window("Quantova")
    category_click_after_typing(program, main_window)
    print("end-to-end test passed")
    cleanup()


if __name__ == "__main__":
    xsession.run(main, [SESSION])

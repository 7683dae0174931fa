#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the configuration window as a screen reader does, through AT-SPI, and
drives it with the keyboard alone, as a blind operator would: every showing
control must have a name; Read Configuration and Write Configuration are
reached with Tab and pressed with Space, and their result box must take the
focus; the window menu (Shift+F10) reaches History, whose kept images are
read, Compare with Tracker, All settings, Beacon Timing, where a preset is
applied by keys, and About; Escape closes the window, whose question about
the preset's unsaved edit Discard answers.

Run by scripts/a11y-check beside `qz5-config --demo`, on an X display, inside
a D-Bus session with the accessibility bus. With --list it only prints what a
screen reader reads for each control of the window as it opens.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APPLICATION = "qz5-config"
BASIC = "Orvane QZ5 Config Basic"
ALL_SETTINGS = "Orvane QZ5 Config - All settings"
ABOUT = "About Orvane QZ5 Config Basic"
HISTORY = "History"
COMPARE = "Compare with Tracker"
UNSAVED = "Unsaved Changes"
# Long enough for a write (about three seconds) on a busy machine.
TIMEOUT = 30.0

# What a user operates or reads a value from; labels, frames and panels only
# describe these.
CONTROL_ROLES = {
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_LIST,
    pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_PROGRESS_BAR,
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SCROLL_BAR,
    pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_TOGGLE_BUTTON,
}


class Failure(Exception):
    pass


def has(node, state):
    try:
        return node.getState().contains(state)
    except GLib.Error:
        return False  # gone while we looked


def showing(node):
    """The node and what it holds that is on the screen, in tree order."""
    if node is None or not has(node, pyatspi.STATE_SHOWING):
        return
    yield node
    for child in node:
        yield from showing(child)


def controls(window):
    return [node for node in showing(window) if node.getRole() in CONTROL_ROLES]


def say(node):
    """What a screen reader says for a node: name, role and description."""
    parts = [repr(node.name), node.getRoleName()]
    if node.description:
        parts.append(repr(node.description))
    return ", ".join(parts)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True)


class Reader:
    def __init__(self):
        self.focus = None
        self.events = []
        # The events a screen reader listens for; Qt sends only what some listener
        # asked for by name.
        for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
                     "object:property-change:accessible-value"):
            pyatspi.Registry.registerEventListener(self.heard, kind)

    def heard(self, event):
        if event.type.startswith("object:state-changed:focused"):
            if event.detail1:
                self.focus = event.source
            return
        try:
            source = event.source
            value = source.queryValue().currentValue if "value" in event.type else source.name
            self.events.append((event.type, source.getRole(), value))
        except (GLib.Error, NotImplementedError):
            pass  # gone already

    def changes(self, since, kind, role):
        """What changes of `kind` (accessible-name, accessible-value) objects of
        `role` announced since event number `since`."""
        return [data for (event, source, data) in self.events[since:]
                if event == f"object:property-change:{kind}" and source == role]

    def wait_for(self, what, test, timeout=TIMEOUT):
        context = GLib.MainContext.default()
        deadline = time.monotonic() + timeout
        while True:
            while context.iteration(False):
                pass
            found = test()
            if found:
                return found
            if time.monotonic() > deadline:
                raise Failure(f"no {what} within {timeout:.0f} s")
            time.sleep(0.05)

    def application(self):
        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            return next((app for app in desktop
                         if app is not None and app.name == APPLICATION and app.childCount), None)
        return self.wait_for(f"application {APPLICATION} on the accessibility bus", find)

    def active_window(self, title, text=None):
        """The window with this title once it is active (and shows `text`)."""
        app = self.application()

        def find():
            for window in app:
                if (window is not None and window.name == title
                        and has(window, pyatspi.STATE_ACTIVE)
                        and (text is None or any(node.name == text for node in showing(window)))):
                    return window
            return None
        return self.wait_for(f"active window {title!r}" + (f" saying {text!r}" if text else ""),
                             find)

    def focused_in(self, window):
        """The control with the keyboard focus, which must lie in `window`."""
        def find():
            node = self.focus
            if node is None:
                node = next((n for n in controls(window) if has(n, pyatspi.STATE_FOCUSED)
                             and n.getRole() != pyatspi.ROLE_PAGE_TAB), None)
            if node is None or not has(node, pyatspi.STATE_FOCUSED):
                return None
            return node if any(node == n for n in showing(window)) else None
        return self.wait_for(f"keyboard focus in {window.name!r}", find, timeout=5)

    def tab_to(self, window, name, limit=80):
        """Tabs through the window until the control named `name` has the focus."""
        seen = []
        for _ in range(limit):
            now = self.focused_in(window)
            if now.name == name:
                return now
            seen.append(say(now))
            self.focus = None
            key("Tab")
        raise Failure(f"Tab never reaches {name!r}; it visits {'; '.join(seen[:30])}")


def census(view, window, failures):
    found = controls(window)
    unnamed = [node for node in found if not node.name.strip()]
    print(f"{view}: {len(found)} controls showing, {len(unnamed)} without a name")
    for node in found:
        print(f"    {say(node)}")
    if unnamed:
        failures.append(f"{view}: {len(unnamed)} showing controls have no name")
    return found


def run_command(reader, window, button, caption, result, failures, counted):
    """Presses a command's button from the keyboard; its box must come up with
    the focus and go with Enter. On the way the progress window's steps must be
    heard, and its bar's values where the command counts bytes."""
    reader.tab_to(window, button)
    reader.focus = None
    since = len(reader.events)
    key("space")
    app = reader.application()
    progress = reader.wait_for(f"progress window {caption!r}", lambda: next(
        (top for top in app if top is not None and top.name == caption
         and any(node.getRole() == pyatspi.ROLE_PROGRESS_BAR for node in showing(top))), None))
    census(f"{caption} progress", progress, failures)
    box = reader.active_window(caption, result)
    focused = reader.focused_in(box)
    print(f"{button}: {caption!r} says {result!r}; the focus is on {say(focused)}")
    # The progress bar names its step and counts its bytes, as a screen reader
    # hears them.
    steps = reader.changes(since, "accessible-name", pyatspi.ROLE_PROGRESS_BAR)
    values = reader.changes(since, "accessible-value", pyatspi.ROLE_PROGRESS_BAR)
    print(f"    heard {len(steps)} steps {steps[:1] + steps[-1:]} and {len(values)} bar values")
    if not steps:
        failures.append(f"{button}: the progress window's steps went unheard")
    if counted and not values:
        failures.append(f"{button}: the progress window's bar went unheard")
    reader.focus = None
    key("Return")
    reader.active_window(window.name)


def open_window_menu(reader, item):
    """Shift+F10 opens the window menu with the focus on its first item; Down
    walks it to `item`, Enter takes it. A popup menu is no child of the
    application in the tree: a screen reader meets it through its focus."""
    def menu_item():
        node = reader.focus
        return node if node is not None and node.getRole() == pyatspi.ROLE_MENU_ITEM else None

    reader.focus = None
    key("shift+F10")
    now = reader.wait_for("menu item with the focus after Shift+F10", menu_item, timeout=5)
    items = [node.name for node in now.parent if node.getRole() == pyatspi.ROLE_MENU_ITEM]
    print(f"window menu: {items}, the focus on {now.name!r}")
    for _ in items:
        if item in now.name:
            reader.focus = None
            key("Return")
            return
        reader.focus = None
        key("Down")
        now = reader.wait_for(f"the next menu item after Down", menu_item, timeout=5)
    raise Failure(f"the window menu has no item {item!r}: {items}")


def check_findings_strip(reader, window, since, failures):
    """After a Read the strip sums up the check of what was read: a screen
    reader hears its new name without the focus going there."""
    strip = reader.wait_for("findings strip after the Read", lambda: next(
        (node for node in showing(window)
         if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and "finding" in node.name), None))
    heard = [name for name in reader.changes(since, "accessible-name", pyatspi.ROLE_PUSH_BUTTON)
             if "finding" in name]
    print(f"findings strip: {strip.name!r}; heard {len(heard)} name changes")
    if not heard:
        failures.append("the findings strip's sum went unheard")
    if has(strip, pyatspi.STATE_FOCUSED):
        failures.append("the findings strip took the focus")


def check_history(reader, window, failures):
    """The window menu opens the History dialog; the focus is on the list of
    kept images, whose entries a screen reader reads, the Read and the Write
    just made among them. Escape goes back to the window."""
    open_window_menu(reader, "History")
    history = reader.active_window(HISTORY)
    census("History", history, failures)
    focused = reader.focused_in(history)
    entries = [node.name for node in showing(history)
               if node.getRole() in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)]
    print(f"History: the focus is on {say(focused)}; {len(entries)} entries, "
          f"the first {entries[:1]}")
    if focused.name != "Kept images":
        failures.append(f"History: the focus is on {say(focused)}, not the kept images")
    if not any("Read" in entry for entry in entries):
        failures.append("History: no entry of the Read is heard")
    reader.focus = None
    key("Escape")
    reader.active_window(window.name)


def check_compare(reader, window, failures):
    """Compare with Tracker reads the tracker, with its progress heard, and
    shows the differences with no Read Successful box."""
    open_window_menu(reader, "Compare with Tracker")
    compare = reader.active_window(COMPARE)
    census("Compare with Tracker", compare, failures)
    focused = reader.focused_in(compare)
    print(f"Compare with Tracker: the focus is on {say(focused)}")
    reader.focus = None
    key("Escape")
    reader.active_window(window.name)


def check_profile_tools(reader, failures):
    """The symbol picker opens on a cell that says its name, table and code;
    the timing window reads as a table. Escape closes each."""
    open_window_menu(reader, "Choose Symbol")
    picker = reader.active_window("Choose Symbol")
    census("Choose Symbol", picker, failures)
    cells = [node for node in showing(picker) if node.getRole() == pyatspi.ROLE_LIST_ITEM]
    print(f"Choose Symbol: {len(cells)} cells showing, the first {say(cells[0]) if cells else None}")
    if not cells or "table, " not in cells[0].name:
        failures.append("Choose Symbol: no cell says its name, table and code")
    reader.focus = None
    key("Escape")
    reader.active_window(ALL_SETTINGS)

    open_window_menu(reader, "Beacon Timing")
    timing = reader.active_window("Beacon Timing")
    census("Beacon Timing", timing, failures)
    apply_preset(reader, timing)
    reader.focus = None
    key("Escape")
    reader.active_window(ALL_SETTINGS)


def apply_preset(reader, timing):
    """Down on the preset list picks the next preset, whose values it says;
    Alt+A applies it, and a screen reader hears the timing's notes change."""
    first = reader.tab_to(timing, "SmartBeaconing preset").description
    reader.focus = None
    key("Down")
    chosen = reader.wait_for("a preset chosen with Down", lambda: next(
        (node for node in showing(timing) if node.name == "SmartBeaconing preset"
         and "mph" in node.description and node.description != first), None), timeout=5)
    since = len(reader.events)
    key("alt+a")
    heard = reader.wait_for("the timing's notes changing", lambda: [
        name for name in reader.changes(since, "accessible-name", pyatspi.ROLE_LABEL)
        if "low speed" in name], timeout=5)
    print(f"Beacon Timing: {say(chosen)}; applied, heard {heard[-1][:70]!r}")
    reader.focused_in(timing)


def check_keep_choice(reader, window, failures):
    """The window menu's "Keep Settings Before Writing", taken by keys, ticks
    the Tools group's box of that name; taken again, it clears the box."""
    name = "Keep Settings Before Writing"

    def box(ticked):
        node = next((node for node in showing(window)
                     if node.getRole() == pyatspi.ROLE_CHECK_BOX and node.name == name), None)
        return node if node is not None and has(node, pyatspi.STATE_CHECKED) == ticked else None

    for ticked in (True, False):
        open_window_menu(reader, name)
        reader.active_window(ALL_SETTINGS)
        try:
            reader.wait_for(f"the box {name!r} {'ticked' if ticked else 'cleared'}",
                            lambda: box(ticked), timeout=5)
        except Failure as failure:
            failures.append(str(failure))
            return
        print(f"{name}: the box is {'ticked' if ticked else 'cleared'}")


def check(failures):
    # Out of the way: without a window manager, X gives the keys of a closed
    # window to whatever lies under the pointer, and a blind user does not know
    # where that is.
    subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)
    reader = Reader()
    basic = reader.active_window(BASIC)
    found = census("Basic", basic, failures)
    if not any(node.getRole() == pyatspi.ROLE_TEXT and node.name == "Callsign"
               for node in found):
        failures.append("Basic: no text field is named 'Callsign'")

    since = len(reader.events)
    run_command(reader, basic, "Read Configuration", "Zelbin3 Read", "Read Successful",
                failures, counted=False)
    check_findings_strip(reader, basic, since, failures)
    run_command(reader, basic, "Write Configuration", "Zelbin3 Write", "Write Successful",
                failures, counted=True)

    check_history(reader, basic, failures)
    check_compare(reader, basic, failures)

    open_window_menu(reader, "All settings")
    all_settings = reader.active_window(ALL_SETTINGS)
    census("All settings", all_settings, failures)
    check_keep_choice(reader, all_settings, failures)
    check_profile_tools(reader, failures)

    open_window_menu(reader, "About")
    about = reader.active_window(ABOUT)
    print(f"About: the focus is on {say(reader.focused_in(about))}")
    reader.focus = None
    key("Escape")
    reader.active_window(ALL_SETTINGS)
    leave(reader)


def leave(reader):
    """Escape leaves; the preset applied above is an edit, so the window asks
    first, and Discard, reached with Tab, lets it go."""
    reader.focus = None
    key("Escape")
    box = reader.active_window(UNSAVED)
    reader.tab_to(box, "Discard")
    key("space")


def main():
    failures = []
    try:
        if "--list" in sys.argv[1:]:
            reader = Reader()
            app = reader.application()
            window = reader.wait_for("window", lambda: next(
                (w for w in app if w is not None and has(w, pyatspi.STATE_ACTIVE)), None))
            census(window.name, window, [])
            return 0
        check(failures)
    except Failure as failure:
        failures.append(str(failure))
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

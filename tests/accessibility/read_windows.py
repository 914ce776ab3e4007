#!/usr/bin/python3
"""Reads Bindwell's windows as a screen reader does, through AT-SPI: every
control of the main window and of the options dialog must have a name, and
the progress bar must expose its value during a run.

    read_windows.py BINDWELL LIBRARY

Runs inside a session bus with the AT-SPI bus up and an X display; started
by AccessibilityTest.sh."""
import os
import subprocess
import sys
import time

import pyatspi

# Roles of the controls a user reaches and a screen reader names.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING,
}


# How many times longer every wait may last: a build with sanitizers runs
# several times slower. A wait ends as soon as what it waits for is there.
WAIT_FACTOR = float(os.environ.get("BINDWELL_WAIT_FACTOR", "1"))
program_process = None
program_log = None


def program_said():
    """The last lines the program printed, for a failure's message."""
    if program_log is None:
        return ""
    with open(program_log, errors="replace") as log:
        return "".join(log.readlines()[-15:])


def seconds(limit):
    return limit * WAIT_FACTOR


def wait_for(what, find, limit=60):
    deadline = time.monotonic() + seconds(limit)
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        if program_process is not None and program_process.poll() is not None:
            sys.exit(f"the program ended (status {program_process.returncode}) while waiting for {what}; "
                     f"it printed:\n{program_said()}")
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}; the program printed:\n{program_said()}")


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def window(app, title):
    for child in app:
        if child is not None and child.name == title and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def unnamed_controls(top):
    """Controls without a name; a panel or grouping without one is only
    layout, unless it can take the focus."""
    missing, count = [], 0
    for node, _ in walk(top):
        role = node.getRole()
        if role not in CONTROLS:
            continue
        focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
        if role in (pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING) and not focusable:
            continue
        count += 1
        if not node.name.strip():
            missing.append(f"{node.getRoleName()} (path {node.path if hasattr(node, 'path') else '?'})")
    return count, missing


def find(top, role, name=None):
    for node, _ in walk(top):
        if node.getRole() == role and (name is None or node.name.replace("&", "") == name):
            return node
    return None


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    program, library = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("QT_QPA_PLATFORM", None)  # on the X display, whatever the caller's environment names
    global program_process, program_log
    # What it prints goes beside the library, to be shown if it fails.
    program_log = os.path.join(os.path.dirname(os.path.abspath(library)), "program.log")
    with open(program_log, "wb") as log:
        process = program_process = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)
    failures = []
    try:
        # A machine busy with other tests may take a while to start it.
        app = wait_for("the program on the AT-SPI bus", lambda: application("bindwell"), 120)
        main_window = wait_for("the main window", lambda: window(app, "Bindwell"))
        count, missing = unnamed_controls(main_window)
        print(f"main window: {count} controls, {len(missing)} without a name")
        failures += [f"main window: {m}" for m in missing]
        text = find(main_window, pyatspi.ROLE_TEXT)
        books = find(main_window, pyatspi.ROLE_LIST) or find(main_window, pyatspi.ROLE_LIST_BOX)
        print(f"  the folder box is named {text.name!r}, the book list {books.name!r}")

        press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Options..."))
        dialog = wait_for("the options dialog", lambda: window(app, "Options..."))
        count, missing = unnamed_controls(dialog)
        print(f"options dialog: {count} controls, {len(missing)} without a name")
        failures += [f"options dialog: {m}" for m in missing]
        press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
        wait_for("the options dialog to close", lambda: None if window(app, "Options...") else True)

        # Name the library, move on so that it is listed, and start. With no
        # window manager, the window takes the keyboard from xdotool.
        subprocess.run(["xdotool", "search", "--name", "^Bindwell$", "windowfocus", "--sync"], check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=seconds(60))
        text.queryEditableText().setTextContents(library)
        text.queryComponent().grabFocus()
        find(main_window, pyatspi.ROLE_PUSH_BUTTON, "All").queryComponent().grabFocus()
        wait_for("the books to be listed", lambda: True if books.childCount > 0 else None)
        press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Start"))
        values = set()
        deadline = time.monotonic() + seconds(180)
        summary = None
        while summary is None and time.monotonic() < deadline:
            bar = find(main_window, pyatspi.ROLE_PROGRESS_BAR)
            if bar is not None and bar.getState().contains(pyatspi.STATE_SHOWING):
                if not bar.name.strip():
                    failures.append("the progress bar has no name")
                value = bar.queryValue()
                values.add((int(value.currentValue), int(value.maximumValue)))
            summary = next((w for w in app if w is not None and w is not main_window and w.name == "Bindwell"
                            and w.getState().contains(pyatspi.STATE_SHOWING)), None)
            time.sleep(0.05)
        if summary is None:
            failures.append("the run did not end with a summary")
        else:
            press(find(summary, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        print(f"progress bar values read during the run (value, maximum): {sorted(values)}")
        if not any(v > 0 for v, _ in values):
            failures.append("the progress bar's value was never read during the run")
    finally:
        process.terminate()
        process.wait(seconds(30))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

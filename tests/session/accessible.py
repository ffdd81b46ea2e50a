#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives a running program through the desktop's accessibility bus (AT-SPI),
as a screen reader would: finds its window, reads and writes fields by their
accessible names and presses buttons. Used to check the real program on a
real desktop, where no test code runs inside it.

Usage: accessible.py APP STEP...
  expect NAME TEXT   the text control called NAME shows TEXT (waits up to 60 s)
  type NAME TEXT     makes TEXT the whole text of the field called NAME
  press NAME         presses the button called NAME
Exits with 0 when every step passed, 1 at the first that failed.
"""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# get_action_name is the only way to find an action by name in this version
# of the library; its successor is not there yet.
warnings.filterwarnings("ignore", category=DeprecationWarning)

# A busy machine is waited for, up to a minute, as in every session test.
TIMEOUT = 60.0


def find_application(name):
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.1)
    return None


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def find(app, name, roles):
    for node in walk(app):
        if node.get_name() == name and node.get_role_name() in roles:
            return node
    raise LookupError(f"no {' or '.join(roles)} called {name!r}")


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def main(argv):
    app = find_application(argv[1])
    if app is None:
        print(f"FAIL: no application {argv[1]!r} on the accessibility bus")
        return 1
    windows = [app.get_child_at_index(i) for i in range(app.get_child_count())]
    if not any(w.get_state_set().contains(Atspi.StateType.SHOWING) for w in windows):
        print("FAIL: the window is not showing")
        return 1
    print(f"window: {windows[0].get_name()!r}")
    steps = argv[2:]
    while steps:
        verb = steps.pop(0)
        name = steps.pop(0)
        if verb == "expect":
            wanted = steps.pop(0)
            node = find(app, name, ("text", "entry"))
            end = time.monotonic() + TIMEOUT
            while text_of(node) != wanted and time.monotonic() < end:
                time.sleep(0.1)
            shown = text_of(node)
            print(f"{name}: {shown!r}")
            if shown != wanted:
                print(f"FAIL: {name} shows {shown!r}, not {wanted!r}")
                return 1
        elif verb == "type":
            Atspi.EditableText.set_text_contents(find(app, name, ("text", "entry")), steps.pop(0))
        elif verb == "press":
            button = find(app, name, ("push button",))
            names = [Atspi.Action.get_action_name(button, i)
                     for i in range(Atspi.Action.get_n_actions(button))]
            Atspi.Action.do_action(button, names.index("Press"))
        else:
            print(f"FAIL: unknown step {verb!r}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

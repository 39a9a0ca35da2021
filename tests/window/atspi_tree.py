#!/usr/bin/python3
"""The running game as a screen reader sees it through AT-SPI: prints its tree, presses
START and STOP and chooses the hand table and records through their actions, and checks
what a reader must find. Exits 1 on a fault. Run by atspi_check.sh."""

import sys
import time

import pyatspi
from gi.repository import GLib

faults, heard = [], []


def check(ok, what):
    print(("ok    " if ok else "FAULT ") + what)
    faults.extend([] if ok else [what])


def wait(condition, seconds=15.0):
    # Runs the bus's events until condition() holds or the time is up.
    end = time.monotonic() + seconds
    while time.monotonic() < end and not condition():
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    return condition()


def nodes(node, depth=0):
    yield depth, node
    for child in node:
        if child is not None:
            yield from nodes(child, depth + 1)


def find(root, role, name=None):
    return next((n for _, n in nodes(root) if n.getRole() == role and name in (None, n.name)), None)


def shown(app, title):
    return next((w for w in app if w and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def show(root):
    for depth, n in nodes(root):
        print("  " * depth + "%s %r %s" % (n.getRoleName(), n.name, n.description))


def press(node):
    # A node that cannot be pressed is a fault, not an exception.
    a = node.queryAction() if node else None
    return bool(a) and any(a.getName(i).lower() == "press" and a.doAction(i) for i in range(a.nActions))


def heard_event(event):
    # Orca speaks a notification as it is shown.
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        heard.append(event.source.name)
        print("event %s notification: %s" % (event.type, event.source.name))


def cards(table):
    t = table.queryTable()
    return [t.getAccessibleAt(r, c).name for r in range(t.nRows) for c in range(t.nColumns)]


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait(lambda: next((a for a in desktop if a and a.name.lower() == "tumblehand"), None))
    game = app and wait(lambda: shown(app, "Tumblehand"))
    if not game:
        print("FAULT the game never appeared on the accessibility bus")
        return 1
    show(game)
    pyatspi.Registry.registerEventListener(heard_event, "object:state-changed:showing")
    for role, name in ((pyatspi.ROLE_LABEL, "SCORE"), (pyatspi.ROLE_LABEL, "0"), (pyatspi.ROLE_LABEL, "LV1"),
                       (pyatspi.ROLE_PUSH_BUTTON, "END")):
        check(find(game, role, name) is not None, "%s is read as a %s" % (name, pyatspi.Role(role)))
    well = find(game, pyatspi.ROLE_TABLE)
    check(well is not None and cards(well) == ["空き"] * 50, "the well is a table of 50 empty cells")
    check(press(find(game, pyatspi.ROLE_PUSH_BUTTON, "START")), "START pressed through the bus")
    check(wait(lambda: well and sum(n != "空き" for n in cards(well)) == 2), "the falling pair is in the well")
    check(press(find(game, pyatspi.ROLE_PUSH_BUTTON, "STOP")), "STOP pressed through the bus")
    check(wait(lambda: "中断" in heard, 5), "the pause is announced")

    for prefix, title, rows in (("役表", "役", 11), ("成績表", "成績", 10)):
        item = next((n for _, n in nodes(app) if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name.startswith(prefix)), None)
        check(item is not None and item.queryAction().doAction(0), "menu %s chosen through the bus" % prefix)
        window = wait(lambda: shown(app, title))
        table = window and find(window, pyatspi.ROLE_TABLE)
        check(bool(table) and table.queryTable().nRows == rows, "window %s holds a table of %d rows" % (title, rows))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

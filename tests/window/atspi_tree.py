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
    """Runs the bus's events until condition() holds or the time is up."""
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


def find(root, role, name=None, prefix=""):
    return next((n for _, n in nodes(root) if n.getRole() == role and (name is None or n.name == name)
                 and n.name.startswith(prefix)), None)


def shown(app, title):
    return next((w for w in app if w is not None and w.name == title
                 and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def show(root):
    for depth, n in nodes(root):
        hidden = "" if n.getState().contains(pyatspi.STATE_VISIBLE) else " (hidden)"
        print("  " * depth + "%s %r%s%s" % (n.getRoleName(), n.name, " — " + n.description if n.description else "",
                                            hidden))


def act(node, action=None):
    a = node.queryAction()
    return any(a.doAction(i) for i in range(a.nActions) if action in (None, a.getName(i).lower()))


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
    app = wait(lambda: next((a for a in desktop if a is not None and a.name.lower() == "tumblehand"), None))
    game = app and wait(lambda: shown(app, "Tumblehand"))
    if not game:
        print("FAULT the game never appeared on the accessibility bus")
        return 1
    show(game)
    pyatspi.Registry.registerEventListener(heard_event, "object:state-changed:showing")
    for name in ("START", "STOP", "END"):
        button = find(game, pyatspi.ROLE_PUSH_BUTTON, name)
        check(button is not None and "press" in [button.queryAction().getName(i).lower()
                                                 for i in range(button.queryAction().nActions)],
              name + " is a button that can be pressed")
    for name in ("SCORE", "0", "LV1"):
        check(find(game, pyatspi.ROLE_LABEL, name) is not None, name + " is read")
    well = find(game, pyatspi.ROLE_TABLE)
    check(well is not None and cards(well) == ["空き"] * 50, "the well is a table of 50 empty cells")
    check(act(find(game, pyatspi.ROLE_PUSH_BUTTON, "START"), "press"), "START pressed through the bus")
    check(wait(lambda: well and sum(n != "空き" for n in cards(well)) == 2),
          "the falling pair's two cards are in the well: %s" % [n for n in cards(well) if n != "空き"])
    check(act(find(game, pyatspi.ROLE_PUSH_BUTTON, "STOP"), "press"), "STOP pressed through the bus")
    check(wait(lambda: "中断" in heard, 5), "the pause is announced")

    for prefix, title, rows in (("役表", "役", 11), ("成績表", "成績", 10)):
        item = find(app, pyatspi.ROLE_MENU_ITEM, prefix=prefix)
        check(item is not None and act(item), "menu %s chosen through the bus" % prefix)
        window = wait(lambda: shown(app, title))
        show(window) if window else None
        table = window and find(window, pyatspi.ROLE_TABLE)
        check(bool(table) and table.queryTable().nRows == rows, "window %s holds a table of %d rows" % (title, rows))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

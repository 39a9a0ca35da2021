#!/usr/bin/python3
"""The running game as a screen reader sees it through AT-SPI: lists its tree, presses
START and the menu's hand table and records through their actions, pauses, and checks
what a reader must find. Prints the tree and the events heard; exits 1 on a fault.
Run by atspi_check.sh inside a private session bus with the accessibility bus up."""

import sys
import time

import pyatspi
from gi.repository import GLib

faults = []
heard = []


def check(ok, what):
    print(("ok    " if ok else "FAULT ") + what)
    if not ok:
        faults.append(what)


def wait(condition, seconds=15.0):
    """Runs the bus's events until condition() holds or the time is up."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    return condition()


def walk(node, depth=0, out=None):
    if out is not None:
        out.append((depth, node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)
    return out


def listing(node):
    return walk(node, 0, [])


def find(root, role, name):
    for _, node in listing(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "tumblehand":
            return app
    return None


def frame(app, title):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
            return window
    return None


def show(node):
    for depth, n in listing(node):
        hidden = "" if n.getState().contains(pyatspi.STATE_VISIBLE) else " (hidden)"
        print("  " * depth + "%s %r" % (n.getRoleName(), n.name) + (" — %s" % n.description if n.description else "")
              + hidden)


def on_event(event):
    # Qt sends the object; what changed is read from it.
    text = event.source.description if "description" in event.type else event.source.name
    heard.append((event.type, text))
    print("event %s %s: %s" % (event.type, event.source.getRoleName(), text))


def act(node, action="press"):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == action or action == "any":
            return actions.doAction(i)
    return False


def menu_item(app, prefix):
    for _, n in listing(app):
        if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name.startswith(prefix):
            return n
    return None


def main():
    app = wait(game)
    if app is None:
        print("FAULT the game never appeared on the accessibility bus")
        return 1
    main_frame = wait(lambda: frame(app, "Tumblehand"))
    print("The game's tree:")
    show(main_frame)
    pyatspi.Registry.registerEventListener(
        on_event, "object:property-change:accessible-description", "object:property-change:accessible-name")

    for name in ("START", "STOP", "END"):
        button = find(main_frame, pyatspi.ROLE_PUSH_BUTTON, name)
        check(button is not None and "press" in [button.queryAction().getName(i).lower()
                                                 for i in range(button.queryAction().nActions)],
              "%s is a button that can be pressed" % name)
    for name in ("SCORE", "0", "LV1"):
        check(find(main_frame, pyatspi.ROLE_LABEL, name) is not None, "%s is read" % name)
    table = next((n for _, n in listing(main_frame) if n.getRole() == pyatspi.ROLE_TABLE), None)
    check(table is not None, "the well is a table")
    if table is not None:
        t = table.queryTable()
        names = [t.getAccessibleAt(r, c).name for r in range(t.nRows) for c in range(t.nColumns)]
        check((t.nRows, t.nColumns) == (10, 5) and names == ["空き"] * 50, "the well has 50 empty cells before a game")

    check(act(find(main_frame, pyatspi.ROLE_PUSH_BUTTON, "START")), "START pressed through the bus")
    now = wait(lambda: (lambda n: n if n and n.getState().contains(pyatspi.STATE_VISIBLE) else None)(
        find(main_frame, pyatspi.ROLE_PANEL, "NOW") or find(main_frame, pyatspi.ROLE_GROUPING, "NOW")))
    check(now is not None, "a pair falls after START")
    if table is not None and now is not None:
        t = table.queryTable()
        cards = [t.getAccessibleAt(r, c).name for r in range(10) for c in range(5)]
        check(sum(1 for n in cards if n != "空き") == 2, "the falling pair's two cards are in the well: %s"
              % [n for n in cards if n != "空き"])
        check(act(find(main_frame, pyatspi.ROLE_PUSH_BUTTON, "STOP")), "STOP pressed through the bus")
        check(wait(lambda: any(e[1] == "中断" for e in heard), 5), "the pause is announced")

    for prefix, title in (("役表", "役"), ("成績表", "成績")):
        item = menu_item(app, prefix)
        check(item is not None and act(item, "any"), "menu %s chosen through the bus" % prefix)
        window = wait(lambda: frame(app, title))
        check(window is not None, "window %s is shown" % title)
        if window is None:
            continue
        print("Window %s:" % title)
        show(window)
        tables = [n for _, n in listing(window) if n.getRole() == pyatspi.ROLE_TABLE]
        check(bool(tables) and tables[0].queryTable().nRows == (11 if title == "役" else 10),
              "window %s holds a table with its rows" % title)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

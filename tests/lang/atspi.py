#!/usr/bin/env python3
"""Reads the running game through the accessibility bus, as a screen reader.
    atspi.py dump            every control of the game: role, name and text
    atspi.py press NAME      presses the control of that name (its first action)
Exits 1 when the game or the control is not found."""
import sys

import pyatspi


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.startswith("zandoli"):
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return ""


def main():
    app = game()
    if app is None:
        return 1
    if sys.argv[1] == "dump":
        for node in walk(app):
            if node.getState().contains(pyatspi.STATE_SHOWING) or node.getRole() == pyatspi.ROLE_FRAME:
                print(f"{node.getRoleName()}\t{node.name}\t{text_of(node)}")
        return 0
    for node in walk(app):
        if node.name == sys.argv[2] and node.getState().contains(pyatspi.STATE_SHOWING):
            node.queryAction().doAction(0)
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())

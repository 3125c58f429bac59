"""What the game shows on the accessibility bus, read with pyatspi, the
library the Orca screen reader is built on; shared by the AT-SPI, keyboard
and language tests. From a shell:
    atspi.py dump            every showing control of the game: role, name, text
                             and description
    atspi.py press NAME      presses the showing control of that name
Exits 1 when the game or the control is not found."""

import sys
import time

import pyatspi
from gi.repository import GLib

# How long a test waits for the game to show what it expects.
PATIENCE = 20.0


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


def log(message):
    print(message, flush=True)


def game():
    """The game's application node on the bus, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.startswith("zandoli"):
            return app
    return None


def states(node):
    return node.getState()


def showing(node):
    s = states(node)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def walk(node, depth=0):
    """Every node under `node` with its depth, the node first."""
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    """The node's Press action, as a screen reader's user would take it."""
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            if not action.doAction(i):
                fail("Press refused by %s" % describe(node))
            return
    fail("%s has no Press action" % describe(node))


def describe(node):
    return "%s %r" % (node.getRoleName(), node.name)


def showing_window(name_start):
    """The game's showing window whose name starts so, or None."""
    app = game()
    if app is None:
        return None
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name.startswith(name_start) and showing(window):
            return window
    return None


def wait_for(what, find, patience=PATIENCE):
    """Polls find() until it gives something, on the event loop's behalf."""
    end = time.monotonic() + patience
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.05)
    fail("waited %.0f s for %s" % (patience, what))


def pump(seconds):
    """Lets events reach the listeners for `seconds`."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def find(window, role, name=None, shown=True):
    """The nodes of the window with the role (and name, when given)."""
    found = []
    for node, _ in walk(window):
        if node.getRole() == role and (name is None or node.name == name):
            if not shown or showing(node):
                found.append(node)
    return found


def one(window, role, name):
    nodes = find(window, role, name)
    if len(nodes) != 1:
        fail("%d showing %s named %r" % (len(nodes), role, name))
    return nodes[0]


def dump(window, out=sys.stdout):
    """Role, name and actions of every showing node, indented by depth."""
    lines = []
    for node, depth in walk(window):
        if showing(node):
            acts = actions(node)
            lines.append("%s%s %r%s" % ("  " * depth, node.getRoleName(), node.name,
                                        " [%s]" % ", ".join(acts) if acts else ""))
    out.write("\n".join(lines) + "\n")
    return lines


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def main(argv):
    app = game()
    if app is None:
        return 1
    if argv[1] == "dump":
        for node, _ in walk(app):
            if showing(node) or node.getRole() == pyatspi.ROLE_FRAME:
                print("%s\t%s\t%s\t%s" % (node.getRoleName(), node.name, text_of(node),
                                           node.description))
        return 0
    for node, _ in walk(app):
        if node.name == argv[2] and showing(node):
            try:
                press(node)
            except Failure:
                return 1
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""Reads the table of the running game on the accessibility bus and checks
that it is drawn at a scale: each button at its design place (twips, 15 to
the pixel at scale 1) times the scale from the table's corner, within one
pixel, and every showing control inside the screen.
    fit.py SCALE LEFT TOP SCREEN_WIDTH SCREEN_HEIGHT
SCALE may be a ratio ("688/768"); LEFT, TOP: the table's corner on the screen."""

import sys
from fractions import Fraction

import pyatspi

from atspi import fail, log, one, showing, showing_window, wait_for, walk

BUTTON = pyatspi.ROLE_PUSH_BUTTON

DESIGN = {
    "Spin the Spinner": (9180, 9840, 5175, 795),
    "New Game": (120, 10920, 2055, 495),
    "The Rules": (11160, 10920, 2055, 495),
    "Exit": (13560, 10920, 1695, 495),
}


def main(argv):
    scale = float(Fraction(argv[1]))
    left, top, width, height = (int(a) for a in argv[2:6])
    table = wait_for("the table", lambda: showing_window("Zandoli? — "))
    for name, (x, y, w, h) in DESIGN.items():
        box = one(table, BUTTON, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        want = [left + x * scale / 15, top + y * scale / 15, w * scale / 15, h * scale / 15]
        seen = [box.x, box.y, box.width, box.height]
        log("%s: %s, design times %.5f: %s" % (name, seen, scale, [round(v, 1) for v in want]))
        if any(abs(s - v) > 1 for s, v in zip(seen, want)):
            fail("%s is not at its design place times the scale" % name)
    for node, _ in walk(table):
        if node is table or not showing(node):
            continue
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box.x < 0 or box.y < 0 or box.x + box.width > width or box.y + box.height > height:
            fail("%r lies outside the screen: %s" % (node.name, box))
    log("PASS")


if __name__ == "__main__":
    try:
        main(sys.argv)
    except Exception as error:  # a failure of any kind is the test's failure
        print("FAIL: %s" % error)
        sys.exit(1)

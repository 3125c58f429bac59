"""A practice game started by a screen reader's user in the real program.

The title's OK, the set-up screen's Results, then Practice in Ana's panel:
the one-player table must deal Ana's hand of the 0.3 beside the 0.7 tile she
took for it, its spinner must stop on 0.3 within a few spins (it shows 0.3
on every other shape), and once spun the record must hold the game as a
practice game of Ana's.

Run by practice_test.sh, which plants the record and gives it a display and
buses.
Usage: practice.py <the zandoli program> <the record file>
"""

import subprocess
import sys

import pyatspi

from atspi import fail, find, game, log, one, press, showing_window, wait_for

PROGRAM, RECORD = sys.argv[1:3]
BUTTON = pyatspi.ROLE_PUSH_BUTTON
# 0.3 is on 6 of the 16 positions: 24 spins miss it once in 80,000 runs.
SPINS = 24
SPUN = "SELECT count(*) FROM event WHERE game > 1 AND what = 'spin'"


def table():
    return showing_window("Zandoli? — ")


def dealt_cards():
    window = table()
    if window is None:
        return None
    cards = [node.name for node in find(window, BUTTON) if ", as " in node.name]
    return cards or None


def spin():
    """Spins; the words the close-up of the pointer reads once it stops.

    The stop is known by the record's new spin, not by the close-up alone:
    until the press reaches the game, the close-up still reads the last spin.
    """
    before = int(record_says(SPUN) or 0)
    press(one(table(), BUTTON, "Spin the Spinner"))
    wait_for("the spin in the record", lambda: int(record_says(SPUN) or 0) > before)
    return wait_for("the spin to stop", lambda: next(
        (n.name for n in find(table(), pyatspi.ROLE_IMAGE)
         if n.name.endswith(" shaded") or n.name.startswith("star on ")), None))


def practice_button():
    """The showing Practice button, on whichever window shows it."""
    app = game()
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []
    return next((button for window in windows if window is not None
                 for button in find(window, BUTTON, "Practice")), None)


def lit(name):
    """The table's showing button of that name when it can be pressed."""
    return next((node for node in find(table(), BUTTON, name)
                 if node.getState().contains(pyatspi.STATE_SENSITIVE)), None)


def next_turn(spun):
    """Takes the card a star on blue asks for, hands over, waits for Spin."""
    if spun.startswith("star on blue"):
        press(wait_for("the pack", lambda: lit("take a card from the pack")))
    wait_for("Next Player or Spin", lambda: lit("Next Player") or lit("Spin the Spinner"))
    if lit("Next Player"):
        press(lit("Next Player"))
    wait_for("the next turn", lambda: lit("Spin the Spinner"))


def record_says(sql):
    return subprocess.run(["sqlite3", "-batch", RECORD, sql], capture_output=True,
                          text=True, check=False).stdout.strip()


def main():
    program = subprocess.Popen([PROGRAM])
    try:
        title = wait_for("the title screen", lambda: showing_window("Zandoli?"))
        press(one(title, BUTTON, "OK"))
        setup = wait_for("the set-up screen", lambda: showing_window("Zandoli?, choose"))
        press(one(setup, BUTTON, "Results"))
        press(wait_for("Practice on the results screen", practice_button))
        hand = wait_for("the practice hand", dealt_cards, 10)
        log("dealt: %s" % hand)
        if not any(name.startswith("seven tenths, as a tile") for name in hand):
            fail("the hand lacks the 0.7 tile Ana confused: %s" % hand)
        if not any(name.startswith("three tenths, as ") for name in hand):
            fail("the hand lacks a 0.3 to tell it from: %s" % hand)
        shown = []
        for _ in range(SPINS):
            shown.append(spin())
            if shown[-1].startswith("three tenths"):
                break
            next_turn(shown[-1])
        log("spun: %s" % shown)
        if not shown[-1].startswith("three tenths"):
            fail("%d spins and no 0.3: %s" % (SPINS, shown))
        recorded = record_says("SELECT spin_value FROM event WHERE game > 1 AND what = 'spin' "
                               "ORDER BY id DESC LIMIT 1")
        if recorded != "0.3":
            fail("the spinner read three tenths and the record %r" % recorded)
        practice = wait_for("the game in the record", lambda: record_says(
            "SELECT g.practice || ' ' || s.name FROM game g JOIN seat s ON s.game = g.id "
            "WHERE g.id > 1") or None)
        if practice != "1 Ana":
            fail("the record holds the game as %r, not a practice game of Ana's" % practice)
    finally:
        program.terminate()
        program.wait(10)


main()

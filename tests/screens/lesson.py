"""A teacher's lesson in the real program, read as a screen reader's user
would.

1. `zandoli --lesson FILE` with a lesson of halves and quarters as decimals
   and tiles: the set-up screen names the lesson, and the one-player table
   deals only cards of those values in those forms.
2. The same lesson set by the administrator (the system-wide settings, here
   in XDG_CONFIG_DIRS), and another one written in the user's own settings:
   the administrator's is played, and the set-up screen offers neither
   Lesson… nor Names.

Run by lesson_test.sh, which gives it a display, buses and the settings.
Usage: lesson.py <the zandoli program> <lesson file> <step: chosen|locked>
"""

import subprocess
import sys

import pyatspi

from atspi import fail, find, log, one, press, showing, showing_window, wait_for

PROGRAM, LESSON, STEP = sys.argv[1:4]
BUTTON = pyatspi.ROLE_PUSH_BUTTON
# The words a screen reader hears for every card of the lesson.
ALLOWED = ("one half, as a decimal", "one half, as a tile",
           "one quarter, as a decimal", "one quarter, as a tile")


def names(window, role):
    return [node.name for node in find(window, role)]


def dealt_cards():
    """The names of the cards the table shows, once it shows some."""
    table = showing_window("Zandoli? — ")
    if table is None:
        return None
    return [node.name for node in find(table, BUTTON) if ", as " in node.name]


def main():
    arguments = [PROGRAM] + (["--lesson", LESSON] if STEP == "chosen" else [])
    game = subprocess.Popen(arguments)
    try:
        title = wait_for("the title screen", lambda: showing_window("Zandoli?"))
        press(one(title, BUTTON, "OK"))
        setup = wait_for("the set-up screen", lambda: showing_window("Zandoli?, choose"))
        labels = names(setup, pyatspi.ROLE_LABEL)
        if "Lesson: Halves and quarters" not in labels:
            fail("the set-up does not name the lesson: %s" % labels)
        buttons = names(setup, BUTTON)
        locked = STEP == "locked"
        for control in ("Lesson…", "Names"):
            if (control in buttons) == locked:
                fail("%s is %s on a %s computer: %s" % (
                    control, "offered" if not locked else "missing",
                    "locked" if locked else "free", buttons))
        press(one(setup, BUTTON, "1 player"))
        dealt = sorted(wait_for("the table's cards", dealt_cards, 10))
        log("dealt: %s" % dealt)
        strangers = [name for name in dealt if not name.startswith(ALLOWED)]
        if len(dealt) != 7 or strangers:
            fail("the hand is not the lesson's: %s" % dealt)
    finally:
        game.terminate()
        game.wait(10)


main()

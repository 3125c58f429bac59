"""Plays a four-player game of Zandoli? to a win through the accessibility
bus, as a screen reader's user would: by the Press action alone ("press"),
or by keys alone, sent with xdotool ("keys"), reading the table on the bus.

A whole game from the deal takes some forty turns of five seconds, so the
game dealt is played for one round only. Then Exit saves it (the save is
checked against the hands played), a game near its end is put in its place,
and Restart Previous Game brings that back: its table is checked card by card
and played on to a win.

On the way it checks what Orca 43 would speak. Orca's default script
presents a control that takes the focus by its name, role and description
(scripts/default.py onFocusedChanged, formatting.py's suffix). It ignores
name and description changes and alerts of controls without the focus,
and for the control with the focus it speaks the change's any_data, which
Qt 6.4 fills with the control itself rather than the new text, so speech.py
refuses it ("bad content sent to speak()"). This script sees the same
any_data. So at each moment of a turn the focus must move to a control whose
description then reads the news:
  a turn begins        Spin, reading the turn caption
  the spin stops       the first card, or the pack for the star on blue,
                       reading "spinner: <result>"
  a wrong card         the message, reading TURN OVER; or, with Explain Mistakes
                       on (ZANDOLI_EXPLAIN=true), OK under the explanation,
                       reading its sentence and both values in words; the
                       turn waits for OK, and passes on Space or its Press
  a win                New Game, reading the win caption

Usage: play.py press|keys [file for the accessible tree of the dealt table]
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

import lastgame
from atspi import (Failure, describe, dump, fail, find, game, log, one, press, showing,
                   showing_window, wait_for)

MODE = sys.argv[1]
EXPLAIN = os.environ.get("ZANDOLI_EXPLAIN") == "true"
TREE_FILE = sys.argv[2] if len(sys.argv) > 2 else None
# The game runs in this script's working folder and saves there.
SAVE = "lastgame.inf"
BUTTON = pyatspi.ROLE_PUSH_BUTTON

# What the listeners heard: focus taken, descriptions changed.
heard = []
spoken = []


def on_event(event):
    try:
        source = event.source
        entry = {"type": event.type, "name": source.name, "role": source.getRoleName(),
                 "detail1": event.detail1, "data": event.any_data,
                 "description": source.description, "node": source, "at": time.monotonic()}
    except Exception:  # a node gone meanwhile
        return
    entry["had_focus"] = focused() == entry["node"]
    if os.environ.get("VERBOSE") and "accessible-name" not in entry["type"]:
        log("    event %.2f %s %s %r %r %r" % (entry["at"], entry["type"][7:], entry["role"],
                                            entry["name"], entry["data"], entry["had_focus"]))
    heard.append(entry)
    # What Orca's default script would speak for it.
    if entry["type"].startswith("object:state-changed:focused") and entry["detail1"]:
        spoken.append("%s, %s%s" % (entry["name"], entry["role"],
                                   ", " + entry["description"] if entry["description"] else ""))


def focused():
    for entry in reversed(heard):
        if entry["type"].startswith("object:state-changed:focused") and entry["detail1"]:
            return entry["node"]
    return None


for kind in ("object:state-changed:focused", "object:property-change:accessible-description",
             "object:property-change:accessible-name"):
    pyatspi.Registry.registerEventListener(on_event, kind)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(names), check=True)


def told(node, news, since):
    """Orca would speak `news` at `node`: the node took the focus reading it."""
    for entry in heard:
        if entry["at"] < since or (node is not None and entry["node"] != node):
            continue
        if entry["type"].startswith("object:state-changed:focused") and entry["detail1"] \
                and news in entry["description"]:
            return True
    return False


def expect_told(what, node_find, news, since):
    def check():
        node = node_find()
        return node is not None and focused() == node and told(node, news, since)
    wait_for("%s: the focus reading %r" % (what, news), check)
    log("  heard: %s" % spoken[-1] if spoken else "")


def value_of(result):
    """The card value a shaded result matches: "half shaded" -> "one half"."""
    words = result[:-len(" shaded")]
    return {"half": "one half", "all": "one whole"}.get(words, words)


def matches(card_name, value):
    return card_name.startswith(value + ",") or card_name.endswith(", " + value)


def cards(table):
    return [c for c in find(table, BUTTON)
            if re.search(r", as |one whole", c.name) and showing(c)]


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width / 2, box.y + box.height / 2


def focus_by_keys(target):
    """Moves the focus onto `target` with the arrow keys, as the hand lies."""
    for _ in range(16):
        now = focused()
        if now == target:
            return
        (x, y), (tx, ty) = centre(now), centre(target)
        if ty > y + 5:
            key("Down")
        elif ty < y - 5:
            key("Up")
        elif tx > x:
            key("Right")
        else:
            key("Left")
        wait_for("the focus to move off %s" % describe(now), lambda: focused() != now, 5)
    fail("the arrows never reached %s" % describe(target))


def act(node, key_name="space"):
    if MODE == "press":
        press(node)
    else:
        if focused() != node:
            focus_by_keys(node)
        key(key_name)


def table_window():
    return showing_window("Zandoli? — ")


def title_window():
    """The title screen: the game's showing window offering the last game."""
    app = game()
    for i in range(app.childCount if app is not None else 0):
        window = app.getChildAtIndex(i)
        if window is not None and showing(window) and \
                find(window, BUTTON, "Restart Previous Game"):
            return window
    return None


def turn_caption():
    return table_window().name.split(" — ", 1)[1]


def tab_to(target):
    """Moves the focus onto `target` with Tab, in the window's reading order."""
    for _ in range(20):
        now = focused()
        if now == target:
            return
        key("Tab")
        wait_for("the focus to move off %s" % (describe(now) if now else "nothing"),
                 lambda: focused() != now, 5)
    fail("Tab never reached %s" % describe(target))


def press_button(node, key_name):
    """A button off the cards: Press, or Tab onto it and the key."""
    if MODE == "press":
        press(node)
    else:
        tab_to(node)
        key(key_name)


class Game:
    """One game played turn by turn, with what the table should show next."""

    def __init__(self):
        self.turns = 0
        self.wrong_done = False
        self.since = time.monotonic() - 30
        # Cards each colour held when its last turn ended, to be found again
        # when its next turn begins.
        self.sizes = {}
        # Cards each colour must show, in order, when its next turn begins.
        self.hands = {}
        # The card the next draw from the pack must give, when known.
        self.next_draw = None

    def expect_hand(self, colour, hand):
        names = [c.name for c in hand]
        if colour in self.hands:
            expected = self.hands.pop(colour)
            if names != expected:
                fail("%s holds %r, not %r" % (colour, names, expected))
        if colour in self.sizes and len(names) != self.sizes[colour]:
            fail("%s holds %d cards, not the %d it kept: %r"
                 % (colour, len(names), self.sizes[colour], names))

    def play(self, turns_left=None):
        """Plays turns_left turns (or on to a win), each checked as Orca would
        speak it. Returns the caption of the turn waiting for its spin, or
        None once a player has won."""
        while True:
            caption = turn_caption()
            colour = caption.split(" ", 1)[0]
            log("turn %d: %s" % (self.turns + 1, caption))
            expect_told("a turn begins", spin, caption, self.since)
            self.expect_hand(colour, cards(table_window()))
            if turns_left == 0:
                return caption
            self.turns += 1
            if self.turns == 1 and TREE_FILE:
                with open(TREE_FILE, "w") as out:
                    dump(table_window(), out)
            if self.play_turn(caption, colour):
                return None
            if turns_left is not None:
                turns_left -= 1

    def play_turn(self, caption, colour):
        """One turn from its spin to the hand-over; True when it won."""
        self.since = time.monotonic()
        if MODE == "press":
            press(spin())
        else:
            key("Return" if self.turns % 2 else "s")
        result = wait_for("the spin to stop", lambda: next(
            (n.name for n in find(table_window(), pyatspi.ROLE_IMAGE)
             if n.name.endswith(" shaded") or n.name.startswith("star on ")), None))
        log("  spun: %s" % result)
        hand = cards(table_window())
        held = [c.name for c in hand]
        if result.startswith("star on blue"):
            pack = one(table_window(), BUTTON, "take a card from the pack")
            expect_told("the spin stops on the blue star", lambda: pack,
                        "spinner: " + result, self.since)
            act(pack, "p" if self.turns % 2 else "Return")
            drawn = wait_for("the drawn card", lambda: self.drawn_card(caption, held), 3)
            log("  drew: %s" % drawn)
            if self.next_draw is not None and drawn != self.next_draw:
                fail("the pack gave %r, not the saved top card %r" % (drawn, self.next_draw))
            self.next_draw = None
            self.sizes[colour] = len(hand) + 1
            self.await_hand_over(caption)
        elif result.startswith("star on red"):
            expect_told("the spin stops on a red star", lambda: hand[0],
                        "spinner: " + result, self.since)
            act(hand[0])
            if len(hand) == 1:
                return True
            self.sizes[colour] = len(hand) - 1
            self.await_hand_over(caption)
        else:
            expect_told("the spin stops", lambda: hand[0], "spinner: " + result, self.since)
            value = value_of(result)
            good = [c for c in hand if matches(c.name, value)]
            bad = [c for c in hand if not matches(c.name, value)]
            if not self.wrong_done and bad and self.turns > 1:
                self.wrong_done = True
                self.since = time.monotonic()
                log("  wrong card %s at %.2f" % (describe(bad[0]), self.since))
                act(bad[0])
                self.sizes[colour] = len(hand)
                if EXPLAIN:
                    self.read_explanation(bad[0])
                    return False
                message = "YOU HAVE MADE AN INCORRECT CHOICE"
                expect_told("a wrong card", lambda: next(iter(find(
                    table_window(), pyatspi.ROLE_LABEL, message)), None), "TURN OVER",
                    self.since)
                self.since = time.monotonic()
                wait_for("the hand-over", lambda: turn_caption() != "TURN OVER", 10)
                return False
            for card in good:
                act(card)
                wait_for("the card to go", lambda: not showing(card), 5)
            if len(good) == len(hand):
                return True
            self.sizes[colour] = len(hand) - len(good)
            self.since = time.monotonic()
            nxt = one(table_window(), BUTTON, "Next Player")
            if MODE == "press":
                press(nxt)
            else:
                key("n")
        self.since = min(self.since, time.monotonic())
        return False

    def read_explanation(self, card):
        """The wrong card's explanation: OK takes the focus and reads the
        sentence with the card in words; the turn waits past the old three
        seconds for it, and passes on Space (or OK's Press)."""
        ok = wait_for("the explanation", lambda: next(iter(find(
            table_window(), BUTTON, "OK")), None), 5)
        expect_told("a wrong card explained", lambda: ok, "Your card", self.since)
        description = ok.description
        if card.name not in description or "The shaded part is" not in description:
            fail("the explanation reads %r, without the card %r" % (description, card.name))
        log("  explained: %s" % description)
        time.sleep(4)
        if turn_caption() != "TURN OVER":
            fail("the turn passed before the explanation was read: %r" % turn_caption())
        self.since = time.monotonic()
        act(ok)
        wait_for("the hand-over", lambda: turn_caption() != "TURN OVER", 5)

    @staticmethod
    def drawn_card(caption, held):
        """The card the pack added to the hand, once it shows."""
        if turn_caption() != caption:
            fail("the turn was handed over before the drawn card showed")
        now = [c.name for c in cards(table_window())]
        if len(now) == len(held) + 1 and now[:-1] == held:
            return now[-1]
        return None

    def await_hand_over(self, caption):
        wait_for("the hand-over", lambda: turn_caption() != caption, 10)


def spin():
    return one(table_window(), BUTTON, "Spin the Spinner")


# The game the second half restores, near its end: each colour holds one
# card, which a red star (three of the sixteen stops) or the one stop of its
# value lets it discard and win, so a win comes within a few turns.
NEAR_THE_END = [[0], [6], [22], [42]]
NEAR_THE_END_SHOWN = {
    "Blue": ["one whole, as a whole number: 1"],
    "Yellow": ["one half, as a decimal: 0.5"],
    "Magenta": ["one quarter, as a percentage: 25 percent"],
    "Green": ["seven tenths, as a tile with 14 of 20 squares shaded"],
}
# On top of its pack, so the first draw after the restore must give it.
TOP_CARD, TOP_CARD_SHOWN = 5, "two fifths, as a decimal: 0.4"


def leave_and_restore(game, caption):
    """Exit at the start of a turn, check the save it wrote, put the
    near-the-end game in its place and bring that back from the title."""
    held = len(cards(table_window()))
    game.since = time.monotonic()
    press_button(one(table_window(), BUTTON, "Exit"), "space")
    title = wait_for("the title screen after Exit", title_window)
    saved = lastgame.read(SAVE)
    if isinstance(saved, str):
        fail("Exit saved no game: " + saved)
    kept = [game.sizes[c] for c in lastgame.COLOURS]
    log("saved: %r" % saved)
    if saved["players"] != 4 or lastgame.COLOURS[saved["colour"]] != caption.split(" ")[0] \
            or saved["sizes"] != kept or saved["sizes"][saved["colour"]] != held:
        fail("Exit at %r saved %r, not four players holding %r" % (caption, saved, kept))

    lastgame.write(SAVE, NEAR_THE_END, colour=0, top_card=TOP_CARD, pack_pos=40)
    game.sizes = {}
    game.hands = dict(NEAR_THE_END_SHOWN)
    game.next_draw = TOP_CARD_SHOWN
    game.since = time.monotonic()
    press_button(one(title, BUTTON, "Restart Previous Game"), "Return")
    table = wait_for("the restored table", table_window)
    if table.name != "Zandoli? — Blue to Play" or \
            len(find(table, pyatspi.ROLE_LABEL, "Blue to Play")) != 1:
        fail("the restored table reads %r, not Blue to play" % table.name)
    log("restored: %s" % table.name)


def main():
    title = wait_for("the title screen", lambda: showing_window("Zandoli?"))
    ok = one(title, BUTTON, "OK")
    if MODE == "press":
        press(ok)
    else:
        # The title took the focus before this script listened.
        wait_for("the focus on OK", lambda: ok.getState().contains(pyatspi.STATE_FOCUSED))
        key("Return")
    setup = wait_for("the set-up screen", lambda: showing_window("Zandoli?, choose"))
    four = one(setup, BUTTON, "4 players")
    if MODE == "press":
        press(four)
    else:
        key("4")
    wait_for("the table", table_window)
    game = Game()
    # One round in full, then on from a saved game near its end.
    caption = game.play(4)
    leave_and_restore(game, caption)
    game.play()
    winner = wait_for("the win", lambda: table_window() if "HAS WON" in table_window().name
                      else None, 10)
    new_game = one(winner, BUTTON, "New Game")
    expect_told("a win", lambda: new_game, winner.name.split(" — ", 1)[1], game.since)
    log("won after %d turns: %s" % (game.turns, winner.name))
    log("SPOKEN")
    for line in spoken:
        log("  " + line)


try:
    main()
except Failure as failure:
    log("FAIL: %s" % failure)
    log("last heard:")
    for entry in [e for e in heard if "description" in e["type"] or "focused" in e["type"]][-12:]:
        log("  %s %s %r %r %r %s" % (entry["type"], entry["role"], entry["name"], entry["data"],
                                      entry["description"], entry["had_focus"]))
    sys.exit(1)

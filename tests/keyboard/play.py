"""Plays a four-player game of Zandoli? to a win through the accessibility
bus, as a screen reader's user would: by the Press action alone ("press"),
or by keys alone, sent with xdotool ("keys"), reading the table on the bus.

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
  a wrong card         the message, reading TURN OVER
  a win                New Game, reading the win caption

Usage: play.py press|keys [file for the accessible tree of the dealt table]
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

from atspi import (Failure, describe, dump, fail, find, log, one, press, pump, showing,
                   showing_window, wait_for)

MODE = sys.argv[1]
TREE_FILE = sys.argv[2] if len(sys.argv) > 2 else None
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
    table = wait_for("the table", table_window)
    spin = lambda: one(table_window(), BUTTON, "Spin the Spinner")
    since = time.monotonic() - 30
    wrong_done = False
    turns = 0
    while True:
        turns += 1
        caption = table_window().name.split(" — ", 1)[1]
        log("turn %d: %s" % (turns, caption))
        expect_told("a turn begins", spin, caption, since)
        if turns == 1 and TREE_FILE:
            with open(TREE_FILE, "w") as out:
                dump(table_window(), out)
        since = time.monotonic()
        if MODE == "press":
            press(spin())
        else:
            key("Return" if turns % 2 else "s")
        result = wait_for("the spin to stop", lambda: next(
            (n.name for n in find(table_window(), pyatspi.ROLE_IMAGE)
             if n.name.endswith(" shaded") or n.name.startswith("star on ")), None))
        log("  spun: %s" % result)
        hand = cards(table_window())
        if result.startswith("star on blue"):
            pack = one(table_window(), BUTTON, "take a card from the pack")
            expect_told("the spin stops on the blue star", lambda: pack,
                        "spinner: " + result, since)
            act(pack, "p" if turns % 2 else "Return")
            wait_for("the hand-over", lambda: table_window().name.split(" — ", 1)[1] != caption
                     or False, 10)
        elif result.startswith("star on red"):
            expect_told("the spin stops on a red star", lambda: hand[0],
                        "spinner: " + result, since)
            act(hand[0])
            if len(hand) == 1:
                break
            wait_for("the hand-over", lambda: table_window().name.split(" — ", 1)[1] != caption,
                     10)
        else:
            expect_told("the spin stops", lambda: hand[0], "spinner: " + result, since)
            value = value_of(result)
            good = [c for c in hand if matches(c.name, value)]
            bad = [c for c in hand if not matches(c.name, value)]
            if not wrong_done and bad and turns > 1:
                wrong_done = True
                since = time.monotonic()
                log("  wrong card %s at %.2f" % (describe(bad[0]), since))
                act(bad[0])
                message = "YOU HAVE MADE AN INCORRECT CHOICE"
                expect_told("a wrong card", lambda: next(iter(find(
                    table_window(), pyatspi.ROLE_LABEL, message)), None), "TURN OVER", since)
                since = time.monotonic()
                wait_for("the hand-over", lambda: table_window().name.split(" — ", 1)[1]
                         != "TURN OVER", 10)
                continue
            for card in good:
                act(card)
                wait_for("the card to go", lambda: not showing(card), 5)
            if len(good) == len(hand):
                break
            since = time.monotonic()
            nxt = one(table_window(), BUTTON, "Next Player")
            if MODE == "press":
                press(nxt)
            else:
                key("n")
        since = min(since, time.monotonic())
    winner = wait_for("the win", lambda: table_window() if "HAS WON" in table_window().name
                      else None, 10)
    new_game = one(winner, BUTTON, "New Game")
    expect_told("a win", lambda: new_game, winner.name.split(" — ", 1)[1], since)
    log("won after %d turns: %s" % (turns, winner.name))
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

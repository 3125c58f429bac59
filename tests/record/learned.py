"""What the record keeps of games played in the real program, read as a
teacher and a screen reader's user would.

1. A saved game of two is restored and played by the Press action of each
   control, with one wrong card planted in each player's turns. At the next
   spin, mid-turn, the game is killed with SIGKILL: the record, read with the
   sqlite3 command, must hold every row played before, in order.
2. The game is started again: the set-up screen's Results button shows that
   game, and its mistakes, read through AT-SPI, name the rule the record
   gave each wrong card, the spin and the card pressed.
3. A game of one card each is restored and played to a win without a
   mistake; See the Results shows it, Previous Game the killed one.
4. From the command line: the choices as CSV hold both wrong cards, the
   report's PDF names each pupil and the mistake, and the whole record
   merges into a second home folder once; a damaged file changes nothing.

The players are named (Ana for Blue, Ben for Yellow) in the settings the
shell script writes, as the set-up screen's Names would.

Run by learned_test.sh, which gives it a display, buses and a working folder.
Usage: learned.py <the zandoli program>
"""

import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

import lastgame
from atspi import Failure, fail, find, log, one, press, showing, showing_window, wait_for

PROGRAM = sys.argv[1]
RECORD = os.path.join(os.environ["XDG_DATA_HOME"], "zandoli", "record.sqlite")
BUTTON = pyatspi.ROLE_PUSH_BUTTON

# Hands of four values each: a spin of a value leaves a card of another to
# press wrongly, and a few turns cannot empty a hand.
FOUR_EACH = [[0, 22, 5, 42], [6, 28, 16, 44]]
ONE_EACH = [[0], [6]]
# The English names of the record's mistake rules.
RULE_WORDS = {
    "unshaded-part": "Took the unshaded part for the shaded part",
    "fraction-digits": "Read the digits of a fraction as a decimal",
    "tenth-away": "One tenth away from the value",
    "percent-decimal": "Confused a percentage or decimal with another of the same tenths",
    "other": "Another value",
}


NAMES = {"Blue": "Ana", "Yellow": "Ben"}


def start():
    game = subprocess.Popen([PROGRAM], stdout=LOG, stderr=LOG)
    title = wait_for("the title screen", lambda: showing_window("Zandoli?"))
    return game, title


def table_window():
    return showing_window("Zandoli? — ")


def window_with(button_name):
    """The game's showing window that has a button of that name."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or not app.name.startswith("zandoli"):
            continue
        for j in range(app.childCount):
            window = app.getChildAtIndex(j)
            if window is not None and showing(window) and find(window, BUTTON, button_name):
                return window
    return None


def restore(hands):
    lastgame.write("lastgame.inf", hands, colour=0, top_card=33, pack_pos=40)
    press(one(wait_for("the title", lambda: window_with("Restart Previous Game")), BUTTON,
              "Restart Previous Game"))
    return wait_for("the restored table", table_window)


def cards():
    return [c for c in find(table_window(), BUTTON)
            if (", as " in c.name or c.name.startswith("one whole")) and showing(c)]


def matches(card_name, result):
    """The card is of the value a shaded result shows: "half shaded"."""
    words = result[:-len(" shaded")]
    value = {"half": "one half", "all": "one whole"}.get(words, words)
    return card_name.startswith(value + ",") or card_name.endswith(", " + value)


def spin():
    """Spins and waits for the stop; the words the dial then reads."""
    caption = table_window().name
    press(one(table_window(), BUTTON, "Spin the Spinner"))
    result = wait_for("the spin to stop", lambda: next(
        (n.name for n in find(table_window(), pyatspi.ROLE_IMAGE)
         if n.name.endswith(" shaded") or n.name.startswith("star on ")), None))
    return caption.split(" — ", 1)[1].split(" ")[0], result


def hand_over(caption):
    wait_for("the hand-over", lambda: table_window() is not None and
             table_window().name != caption, 10)


class Played:
    """The turns played, as the record must hold them: (colour, what, card)."""

    def __init__(self):
        self.rows = []
        self.wrong = {}

    def turn(self, plant_mistakes):
        """One turn; True when it won. If mistakes are planted, a colour
        that made none yet presses a card not of the value spun."""
        caption = table_window().name
        colour, result = spin()
        hand = cards()
        self.rows.append((colour, "spin", ""))
        log("%s spun %s holding %s" % (colour, result, [c.name for c in hand]))
        if result.startswith("star on blue"):
            press(one(table_window(), BUTTON, "take a card from the pack"))
            wait_for("the drawn card", lambda: len(cards()) == len(hand) + 1, 5)
            self.rows.append((colour, "blue star", cards()[-1].name))
        elif result.startswith("star on red"):
            self.rows.append((colour, "red star", hand[0].name))
            press(hand[0])
            if len(hand) == 1:
                return True
        else:
            good = [c for c in hand if matches(c.name, result)]
            other = [c.name for c in hand if not matches(c.name, result)]
            for card in good:
                self.rows.append((colour, "match", card.name))
                name = card.name
                press(card)
                wait_for("the card to go", lambda: name not in [c.name for c in cards()], 5)
            # The mistake is planted at the colour's first spin of a value,
            # after its matches, so that no card of the value is passed by
            # and the hand cannot be emptied before both colours erred.
            if plant_mistakes and colour not in self.wrong and other:
                self.wrong[colour] = (result, other[0])
                self.rows.append((colour, "wrong", other[0]))
                press(next(c for c in cards() if c.name == other[0]))
                wait_for("the turn over", lambda: table_window().name.endswith("TURN OVER"), 5)
                hand_over(table_window().name)
                return False
            if len(good) == len(hand):
                return True
            press(one(table_window(), BUTTON, "Next Player"))
        hand_over(caption)
        return False


def sqlite(sql):
    out = subprocess.run(["sqlite3", "-batch", "-separator", "|", RECORD, sql],
                         capture_output=True, text=True, check=True)
    return [line.split("|") for line in out.stdout.splitlines()]


# The table's words for the record's values and forms.
VALUE_WORDS = {1.0: "one whole", 0.5: "one half", 0.25: "one quarter", 0.75: "three quarters",
               0.2: "one fifth", 0.4: "two fifths", 0.6: "three fifths", 0.8: "four fifths",
               0.1: "one tenth", 0.3: "three tenths", 0.7: "seven tenths", 0.9: "nine tenths"}
FORM_WORDS = {"whole": "whole number", "decimal": "decimal", "percent": "percentage",
              "fraction": "fraction", "tile": "tile"}


def card_of(name):
    """A card's value and form as its name reads them: ("one half", "decimal")."""
    value, form = name.split(", as a ", 1)
    return value, form.split(":")[0].split(" with ")[0]


def rows_of(game_id):
    """The record's rows of a game as (colour, what, value, form)."""
    return [(lastgame.COLOURS[int(colour)], what) +
            ((VALUE_WORDS[round(float(value), 2)], FORM_WORDS[form]) if form else ())
            for colour, what, value, form in sqlite(
                "SELECT colour, what, ifnull(card_value, ''), ifnull(card_form, '') FROM event "
                "WHERE game = %d ORDER BY id" % game_id)]


def results_texts(window):
    """What a screen reader reads of the results: every showing node's name."""
    texts = []
    stack = [window]
    while stack:
        node = stack.pop()
        if node is not None and showing(node) and node.name:
            texts.append(node.name)
        stack.extend(node.getChildAtIndex(i) for i in reversed(range(node.childCount)))
    return texts


def expect_mistakes(texts, played):
    """Each planted mistake named by the rule the record gave it."""
    for colour, (result, card) in played.wrong.items():
        rule = sqlite("SELECT mistake FROM event WHERE what = 'wrong' AND colour = %d AND game = "
                      "(SELECT max(game) FROM event WHERE what = 'wrong')"
                      % lastgame.COLOURS.index(colour))
        if len(rule) != 1 or rule[0][0] not in RULE_WORDS:
            fail("the record names %s's wrong card %r" % (colour, rule))
        said = "%s, once. The spinner showed %s; pressed: %s." % (
            RULE_WORDS[rule[0][0]], result, card)
        if said not in texts:
            fail("the results do not read %r; they read %r" % (said, texts))
        log("  read: %s" % said)


LOG = open("game.log", "ab")


def main():
    # 1. Two planted mistakes, then killed mid-turn.
    game, _ = start()
    restore(FOUR_EACH)
    played = Played()
    while len(played.wrong) < 2:
        if played.turn(True):
            fail("a hand of four was emptied")
        if len(played.rows) > 80:
            fail("no two mistakes in %d rows" % len(played.rows))
    colour, result = spin()
    played.rows.append((colour, "spin", ""))
    log("%s spun %s; killed" % (colour, result))
    os.kill(game.pid, signal.SIGKILL)
    game.wait()
    killed = int(sqlite("SELECT max(id) FROM game")[0][0])
    expected = [(c, what) + (card_of(name) if name else ()) for c, what, name in played.rows]
    if rows_of(killed) != expected:
        fail("the killed game's record holds\n  %r\nnot the rows played\n  %r"
             % (rows_of(killed), expected))
    log("killed game: %d rows kept, the last spin too" % len(played.rows))
    ended = sqlite("SELECT restored, players, ifnull(ending, '-') FROM game WHERE id = %d" % killed)
    if ended != [["1", "2", "-"]]:
        fail("the killed game's row reads %r" % ended)

    # 2. The results of the killed game, from the set-up screen.
    game, title = start()
    press(one(title, BUTTON, "OK"))
    setup = wait_for("the set-up screen", lambda: showing_window("Zandoli?, choose"))
    press(one(setup, BUTTON, "Results"))
    results = wait_for("the results", lambda: window_with("Forget All Results"))
    texts = results_texts(results)
    if not any(t.endswith(" · not finished") for t in texts):
        fail("the results' game line is not the unfinished game: %r" % texts)
    expect_mistakes(texts, played)
    press(one(results, BUTTON, "Back"))
    setup = wait_for("the set-up screen again", lambda: showing_window("Zandoli?, choose"))
    press(one(setup, BUTTON, "Exit"))

    # 3. A game won, and its results one press away.
    restore(ONE_EACH)
    won = Played()
    for _ in range(60):
        if won.turn(False):
            break
    else:
        fail("no win in 60 turns")
    winner = wait_for("the win", lambda: table_window() if "HAS WON" in table_window().name
                      else None, 10)
    log("won: %s" % winner.name)
    press(one(winner, BUTTON, "See the Results"))
    results = wait_for("the results of the win", lambda: window_with("Forget All Results"))
    texts = results_texts(results)
    who = winner.name.split(" — ", 1)[1].split(" ")[0].capitalize()
    if not any(t.endswith(" · %s won" % NAMES[who]) for t in texts) or \
            texts.count("No mistakes") != 2:
        fail("the won game's results read %r" % texts)
    press(one(results, BUTTON, "Previous Game"))
    wait_for("the killed game", lambda: any(t.endswith(" · not finished")
                                              for t in results_texts(results)))
    expect_mistakes(results_texts(results), played)
    last = sqlite("SELECT ending, winner FROM game ORDER BY id DESC LIMIT 1")
    if last != [["won", str(lastgame.COLOURS.index(who))]]:
        fail("the won game's row reads %r" % last)
    game.terminate()
    game.wait()
    exported(played)


def command(*arguments, home=None):
    """The program run from the command line; its exit status and output."""
    env = dict(os.environ)
    if home:
        env["XDG_DATA_HOME"] = home
    done = subprocess.run([PROGRAM] + list(arguments), capture_output=True, text=True, env=env,
                          timeout=60)
    log("  zandoli %s -> %d: %s%s" % (" ".join(arguments), done.returncode, done.stdout.strip(),
                                      done.stderr.strip()))
    return done.returncode, done.stdout.strip(), done.stderr.strip()


def exported(played):
    """4. The record taken off the machine and merged into another home."""
    if command("--export", "choices.csv")[0] != 0:
        fail("no CSV written")
    with open("choices.csv", encoding="utf-8") as csv:
        rows = [line.rstrip("\r\n").split(",") for line in csv][1:]
    wrong = sorted((row[2], row[3]) for row in rows if row[6] == "wrong")
    planted = sorted((NAMES[c], c.lower()) for c in played.wrong)
    if wrong != planted:
        fail("the CSV's wrong cards are %r, not %r" % (wrong, planted))
    if command("--export", "report.pdf")[0] != 0:
        fail("no PDF written")
    pages = subprocess.run(["pdftotext", "-layout", "report.pdf", "-"], capture_output=True,
                           text=True, check=True).stdout.split("\f")
    for colour in played.wrong:
        rule = sqlite("SELECT mistake FROM event WHERE what = 'wrong' AND colour = %d"
                      % lastgame.COLOURS.index(colour))[0][0]
        page = next((" ".join(p.split()) for p in pages
                     if "what %s learned" % NAMES[colour] in p), None)
        # A long rule wraps beside the cards drawn with it, whose numbers the
        # page's text may then hold between its words.
        words = (RULE_WORDS[rule] + " (once)").split()
        said = r"\s+(?:[\d.,/%]+\s+)*".join(re.escape(w) for w in words)
        if page is None or not re.search(said, page):
            fail("the report names no %r for %s: %r" % (RULE_WORDS[rule], NAMES[colour], page))
        log("  the report's page for %s names: %s (once)" % (NAMES[colour], RULE_WORDS[rule]))

    other = os.path.abspath("other-home")
    other_record = os.path.join(other, "zandoli", "record.sqlite")
    if command("--export", "class.zandoli")[0] != 0:
        fail("no .zandoli written")
    status, said, _ = command("--import", "class.zandoli", home=other)
    if status != 0 or not said.endswith(": 2 games added"):
        fail("the first import said %r (%d)" % (said, status))
    status, said, _ = command("--import", "class.zandoli", home=other)
    if status != 0 or not said.endswith(": 0 games added, 2 games already here"):
        fail("the second import said %r (%d)" % (said, status))
    merged = subprocess.run(["sqlite3", "-batch", other_record,
                             "SELECT count(*) FROM event WHERE what = 'wrong'"],
                            capture_output=True, text=True, check=True).stdout.strip()
    if merged != "2":
        fail("the other home holds %s wrong cards" % merged)
    with open(other_record, "rb") as f:
        before = f.read()
    with open("class.zandoli", "rb") as f, open("damaged.zandoli", "wb") as out:
        good = f.read()
        out.write(good[:len(good) // 2])
    status, _, why = command("--import", "damaged.zandoli", home=other)
    with open(other_record, "rb") as f:
        if status != 1 or not why.endswith("damaged.zandoli is damaged") or f.read() != before:
            fail("a damaged import gave %d %r or changed the record" % (status, why))


try:
    main()
except Failure as failure:
    log("FAIL: %s" % failure)
    sys.exit(1)

"""The game's save file, lastgame.inf, as the whole-game tests read and
write it: 110 lines, each one number followed by CR LF, in this order:

  sound on (0 or 1), number of players, colour to move (0 Blue, 1 Yellow,
  2 Magenta, 3 Green), the four hand sizes,
  for each colour and each of the 12 slots: the card held, then the card of
  that slot in the hand being played this turn (48 for an empty slot),
  position of the top of the pack, the card on top,
  star used, card drawn, turn over (flags), slot of the last drawn card,
  spins so far.
"""

EMPTY = 48
SLOTS = 12
COLOURS = ("Blue", "Yellow", "Magenta", "Green")


def write(path, hands, colour=0, top_card=0, pack_pos=28):
    """A save of a game between len(hands) players, at the start of the
    turn of `colour`, each colour holding the cards listed for it."""
    lines = [1, len(hands), colour]
    lines += [len(hands[p]) if p < len(hands) else 0 for p in range(len(COLOURS))]
    for p in range(len(COLOURS)):
        held = list(hands[p]) if p < len(hands) else []
        held += [EMPTY] * (SLOTS - len(held))
        for card in held:
            lines += [card, card]
    lines += [pack_pos, top_card, 0, 0, 1, 0, 0]
    assert len(lines) == 110
    with open(path, "wb") as out:
        out.write(b"".join(b"%d\r\n" % n for n in lines))


def read(path):
    """The fields a test checks of a save the game wrote, or a message
    saying why it is not one."""
    with open(path, "rb") as save:
        text = save.read()
    lines = text.split(b"\r\n")
    if len(lines) != 111 or lines[-1] != b"":
        return "not 110 lines each ending in CR LF: %r" % text[:200]
    values = [int(line) for line in lines[:-1]]
    hands = []
    for p in range(len(COLOURS)):
        row = values[7 + 2 * SLOTS * p: 7 + 2 * SLOTS * (p + 1): 2]
        hands.append(row[:values[3 + p]])
    return {"players": values[1], "colour": values[2], "sizes": values[3:7], "hands": hands}

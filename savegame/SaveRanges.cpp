#include <cstdint>

#include "savegame/SaveFile.h"

namespace zandoli::savegame {

namespace {

bool between(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

bool isFlag(int value) {
    return value == 0 || value == 1;
}

bool holdsCards(const GameState& state, int player) {
    for (int s = 0; s < state.handSize[player]; ++s) {
        if (state.hand[player][s] == NO_CARD) {
            return false;
        }
    }
    return true;
}

// Only the player to move is checked against its working hand. Everyone else
// had their discards folded into hand at their last hand-over while turnHand
// kept that turn's copy, so their two rows legitimately disagree until their
// next turn recopies it.
bool workingHandFits(const GameState& state) {
    const auto& hand = state.hand[state.colour];
    const auto& working = state.turnHand[state.colour];
    const int size = state.handSize[state.colour];
    for (int s = 0; s < size; ++s) {
        if (working[s] != hand[s] && working[s] != NO_CARD) {
            return false;
        }
    }
    // The cards still held sit among the slots filled this turn, so folding
    // the discards away never has to look past the last shown slot.
    int held = 0;
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        if (working[s] != NO_CARD) {
            ++held;
        }
    }
    return held >= size;
}

}  // namespace

bool validSave(const GameState& state) {
    if (!isFlag(state.playSound) || !between(state.numPlayers, 1, PLAYING_COLOURS) ||
        !between(state.colour, 0, state.numPlayers - 1)) {
        return false;
    }
    for (int p = 0; p < PLAYING_COLOURS; ++p) {
        if (!between(state.handSize[p], 0, SHOWN_SLOTS)) {
            return false;
        }
        for (int s = 0; s < SHOWN_SLOTS; ++s) {
            if (!between(state.hand[p][s], 0, NO_CARD) ||
                !between(state.turnHand[p][s], 0, NO_CARD)) {
                return false;
            }
        }
        if (!holdsCards(state, p)) {
            return false;
        }
    }
    if (!workingHandFits(state)) {
        return false;
    }
    // Our tables only ever store 0..11 in newSlot: the slot of the drawn card
    // is kept within the shown slots, and no card can be discarded between the
    // draw and its showing, since none matches the blue star. -1 is still
    // accepted, as it always has been, so that no save file that read before
    // is refused now; nothing reads newSlot before the next draw sets it
    // again, so such a save is still a good game.
    return between(state.packPos, 0, PACK_SIZE - 1) && between(state.topCard, 0, PACK_SIZE - 1) &&
           isFlag(state.starUsed) && isFlag(state.drawn) && isFlag(state.turnOver) &&
           between(state.newSlot, -1, SHOWN_SLOTS - 1) && state.spins >= 0;
}

}  // namespace zandoli::savegame

// The referee's hand on the table: dealing, drawing the hand and the drawn
// card, and bringing a saved game back.
#include <algorithm>

#include "engine/Pack.h"
#include "engine/Referee.h"

namespace zandoli {

void Referee::dealOrShowHand() {
    // The catalogue is one constant table (cardCatalogue()), so there is
    // nothing to rebuild here.
    if (state_.restoring == 1) {
        showHand();
    } else {
        shuffleAndDeal();
    }
}

void Referee::shuffleAndDeal() {
    shufflePack(packOrder_, random_);
    dealHands(state_, packOrder_);
    showHand();
}

void Referee::showHand() {
    const int size = std::clamp<int>(state_.handSize[state_.colour], 0, SHOWN_SLOTS);
    for (int j = 0; j < size; ++j) {
        const int16_t card = state_.hand[state_.colour][j];
        if (isCard(card)) {
            view_.drawFace(j, card);
        }
    }
}

void Referee::showDrawnCard() {
    // The drawn card went into the last slot of a non-empty hand, and a hand
    // never counts more than the twelve slots that show.
    const int slot = std::max(state_.handSize[state_.colour] - 1, 0);
    state_.newSlot = static_cast<int16_t>(slot);
    const int16_t card = state_.hand[state_.colour][slot];
    if (isCard(card)) {
        view_.drawFace(slot, card);
    }
    liveSlots_ = std::max(liveSlots_, slot + 1);
    if (rules_.turnPerSpin) {
        // The turn goes on, but there is nothing left in it but to spin again.
        setSpinEnabled(true);
        phase_ = Phase::AwaitingSpin;
    } else {
        startHandOver();
    }
}

void Referee::restoreGame() {
    // A restored game starts with the spinner at rest on position 0 and no
    // winner: the save keeps neither the pointer nor the flag.
    flash_ = false;
    spinPos_ = 0;
    spinStep_ = 0;
    // The save keeps only the top of the pack; every card goes back in once,
    // the saved top card where it was, so the next draw gives it and later
    // draws stay valid.
    rebuildPack(packOrder_, state_.topCard, state_.packPos, random_);
    // The save keeps the turn's flags but not the spin they were played
    // against, so whatever turnOver, starUsed and drawn say, a turn saved
    // half-way comes back as the start of the same player's turn, waiting for
    // its spin: the discards already made stay discarded and no click is
    // judged against a spin that is gone.
    foldTurn(state_, state_.colour);
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.turnOver = 1;

    if (rules_.countsSpins) {
        showSpinCount();
    }
    startPlay();
}

}  // namespace zandoli

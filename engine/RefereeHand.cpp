// The referee's hand on the table: dealing, drawing the hand and the drawn
// card, and bringing a saved game back.
#include <algorithm>

#include "Pack.h"
#include "Referee.h"

namespace zandoli {

void Referee::setcards() {
    // The catalogue is one constant table (cardcatalogue()), so there is
    // nothing to rebuild here.
    if (state_.restoring == 1) {
        showcards();
    } else {
        dealcards();
    }
}

void Referee::dealcards() {
    shufflepack(packorder_, random_);
    dealhands(state_, packorder_);
    showcards();
}

void Referee::showcards() {
    const int size = std::clamp<int>(state_.handsize[state_.colour], 0, SHOWN_SLOTS);
    for (int j = 0; j < size; ++j) {
        const int16_t card = state_.hand[state_.colour][j];
        if (iscard(card)) {
            view_.drawface(j, card);
        }
    }
}

void Referee::addcard() {
    const int slot = std::clamp<int>(state_.handsize[state_.colour] - 1, 0, SHOWN_SLOTS - 1);
    state_.newslot = static_cast<int16_t>(slot);
    const int16_t card = state_.hand[state_.colour][slot];
    if (iscard(card)) {
        view_.drawface(slot, card);
    }
    liveslots_ = std::max(liveslots_, slot + 1);
    afterdrawshown();
}

void Referee::restoregame() {
    // A restored game starts with the spinner at rest on position 0 and no
    // winner: the save keeps neither the pointer nor the flag.
    gameover_ = 0;
    flash_ = 0;
    spinpos_ = 0;
    spinstep_ = 0;
    // The save keeps only the top of the pack; every card goes back in once,
    // the saved top card where it was, so the next draw gives it and later
    // draws stay valid.
    rebuildpack(packorder_, state_.topcard, state_.packpos, random_);
    // A turn saved half-way comes back as the start of the same player's
    // turn: the discards already made stay discarded and no click is judged
    // against a spin that is gone.
    foldturn(state_, state_.colour);
    state_.starused = 0;
    state_.drawn = 0;
    state_.turnover = 1;

    showspincount();
    startplay();
}

}  // namespace zandoli

#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "engine/Deck.h"
#include "record/Confusions.h"

namespace zandoli::testing {

// A child who plays one-player games headless, in virtual time: every card
// of the spin's value, except that where a card of the unshaded part (1
// minus the spin) is in the hand the child takes it first with probability
// `unshaded`. The rows of every game are kept as the record would keep them.
class SimulatedChild {
public:
    SimulatedChild(double unshaded, uint64_t seed) : unshaded_(unshaded), engine_(seed) {}

    void setUnshaded(double unshaded) { unshaded_ = unshaded; }
    // Plays a game dealt from `deck` on `day`, to a win.
    void play(const Deck& deck, int day);

    const std::vector<PupilRow>& rows() const { return rows_; }
    // The confusion counted: the spin shows its value while a card of its
    // value and form is in the hand.
    ConfusionKey watched;
    // Spins stopped on a shape; those where the watched confusion could be
    // made, and those where any unshaded part could (a card of 1 minus the
    // spin in the hand).
    int64_t spins = 0;
    int64_t watchedPossible = 0;
    int64_t anyUnshaded = 0;

private:
    double unshaded_;
    std::mt19937_64 engine_;
    std::vector<PupilRow> rows_;
    int64_t games_ = 0;
};

}  // namespace zandoli::testing

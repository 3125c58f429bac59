#include "engine/Pack.h"

#include <algorithm>
#include <numeric>

#include "engine/Cards.h"

namespace zandoli {

namespace {

// floor(r * n), kept inside 0..n-1 whatever the generator hands back. r * n
// is never negative, so truncating is flooring, without a library call.
int randomIndex(RandomSource& random, int n) {
    const int j = static_cast<int>(random.next() * n);
    return std::clamp(j, 0, n - 1);
}

}  // namespace

void shufflePack(PackOrder& pack, RandomSource& random, const Deck& deck) {
    std::copy(deck.cards.begin(), deck.cards.end(), pack.begin());
    random.reseed();
    for (int pass = 0; pass < SHUFFLE_PASSES; ++pass) {
        for (int i = 0; i < PACK_SIZE; ++i) {
            std::swap(pack[i], pack[randomIndex(random, PACK_SIZE)]);
        }
    }
    // The hand the deck deals first goes to the front, then is shuffled there.
    const int dealt = std::min<int>(static_cast<int>(deck.firstHand.size()), DEALT_CARDS);
    for (int i = 0; i < dealt; ++i) {
        const auto at = std::find(pack.begin() + i, pack.begin() + PACK_SIZE,
                                  deck.firstHand[static_cast<size_t>(i)]);
        if (at != pack.begin() + PACK_SIZE) {
            std::swap(*at, pack[i]);
        }
    }
    for (int i = dealt - 1; i > 0; --i) {
        std::swap(pack[i], pack[randomIndex(random, i + 1)]);
    }
}

void rebuildPack(PackOrder& pack, int16_t topCard, int16_t packPos, RandomSource& random,
                 const Deck& deck) {
    std::copy(deck.cards.begin(), deck.cards.end(), pack.begin());
    random.reseed();
    for (int i = PACK_SIZE - 1; i > 0; --i) {
        std::swap(pack[i], pack[randomIndex(random, i + 1)]);
    }
    if (isCard(topCard) && packPos >= 0 && packPos < PACK_SIZE) {
        // A card the deck does not hold (a save changed by hand) takes the
        // place of the card that was there.
        const auto at = std::find(pack.begin(), pack.begin() + PACK_SIZE, topCard);
        if (at != pack.begin() + PACK_SIZE) {
            std::swap(*at, pack[packPos]);
        } else {
            pack[packPos] = topCard;
        }
    }
}

void dealHands(GameState& state, const PackOrder& pack) {
    for (int p = 0; p < PLAYING_COLOURS; ++p) {
        for (int s = 0; s < DEALT_CARDS; ++s) {
            state.hand[p][s] = pack[DEALT_CARDS * p + s];
            state.turnHand[p][s] = state.hand[p][s];
        }
    }
    state.packPos = FIRST_UNDEALT;
    state.topCard = pack[FIRST_UNDEALT];
}

void clearHands(GameState& state) {
    for (int p = 0; p < PLAYING_COLOURS; ++p) {
        for (int s = 0; s < SHOWN_SLOTS; ++s) {
            state.hand[p][s] = NO_CARD;
            state.turnHand[p][s] = NO_CARD;
        }
        state.handSize[p] = DEALT_CARDS;
    }
}

void foldTurn(GameState& state, int colour) {
    auto& hand = state.hand[colour];
    const auto& turnHand = state.turnHand[colour];
    const int size = std::clamp<int>(state.handSize[colour], 0, SHOWN_SLOTS);
    int k = 0;
    for (int s = 0; s < size; ++s) {
        // A hand that counts more cards than it holds (a damaged restore) stops
        // at the last slot instead of reading past it.
        while (s + k < HAND_SLOTS && turnHand[s + k] == NO_CARD) {
            ++k;
        }
        hand[s] = s + k < HAND_SLOTS ? turnHand[s + k] : NO_CARD;
    }
}

}  // namespace zandoli

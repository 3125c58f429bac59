#pragma once

#include <array>
#include <cstdint>

#include "engine/Cards.h"
#include "engine/Deck.h"
#include "engine/GameState.h"
#include "engine/Random.h"

namespace zandoli {

// Positions 0..47 hold the shuffled pack; the rest, as many as the
// catalogue has entries past the pack, are never used.
using PackOrder = std::array<int16_t, CATALOGUE_SIZE>;

inline constexpr int SHUFFLE_PASSES = 1000;
// Where the undealt pack starts after seven cards to each of the four colours.
inline constexpr int16_t FIRST_UNDEALT = PLAYING_COLOURS * DEALT_CARDS;

// The deck's cards in its order (the standard deck's is the identity),
// reseeded, then 1000 passes in which every position is swapped with one
// drawn from the whole pack (not a shrinking range).
void shufflePack(PackOrder& pack, RandomSource& random, const Deck& deck = standardDeck());

// A saved game keeps only the top of the pack: put every card of the deck in
// once, the saved top card at its saved position and the rest shuffled
// around it.
void rebuildPack(PackOrder& pack, int16_t topCard, int16_t packPos, RandomSource& random,
                 const Deck& deck = standardDeck());

// Deals blocks of seven from the shuffled pack, Blue first, into hand and
// turnHand, and sets the top of the pack.
void dealHands(GameState& state, const PackOrder& pack);

// Every slot 0..11 of players 0..3 empty, and seven cards to come for each.
void clearHands(GameState& state);

// Closes the gaps the discards left in a colour's hand, keeping the order of
// the cards that remain: turnHand is folded into hand for handSize cards.
void foldTurn(GameState& state, int colour);

}  // namespace zandoli

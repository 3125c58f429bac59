#pragma once

#include <array>
#include <cstdint>

namespace zandoli {

// A card number: 0..47 are the cards of the pack, NO_CARD marks an empty or
// discarded slot.
inline constexpr int16_t NO_CARD = 48;
inline constexpr int PACK_SIZE = 48;

// Player index 4 and hand slot 12 exist but are never shown or saved.
inline constexpr int PLAYER_SLOTS = 5;
inline constexpr int HAND_SLOTS = 13;
inline constexpr int PLAYING_COLOURS = 4;
inline constexpr int SHOWN_SLOTS = 12;
inline constexpr int16_t DEALT_CARDS = 7;

using Hands = std::array<std::array<int16_t, HAND_SLOTS>, PLAYER_SLOTS>;

// The one record of settings, hands and turn flags that every screen and the
// save file share. Flags hold 0 or 1.
struct GameState {
    int16_t numPlayers{};
    int16_t playSound{};
    Hands hand{};
    Hands turnHand{};
    std::array<int16_t, PLAYER_SLOTS> handSize{};
    int16_t colour{};
    int16_t starUsed{};
    int16_t drawn{};
    int16_t turnOver{};
    int16_t topCard{};
    int16_t packPos{};
    int16_t newSlot{};
    int16_t spins{};

    bool operator==(const GameState&) const = default;
};

}  // namespace zandoli

#pragma once

#include <array>

namespace zandoli {

// The printable rules say exactly what the rules screen says.
inline constexpr const char* RULES_HEADING = "The Rules of Zandoli?";
inline constexpr const char* RULES_SUBHEADING = "THE RULES";

// The first text introduces the game; the others follow under RULES_SUBHEADING.
inline constexpr std::array<const char*, 7> RULES_TEXTS = {
    "Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the "
    "correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, "
    "Green.",
    "The computer shuffles the cards and deals 7 cards to each player. The smaller card towards "
    "the top of the screen represents the rest of the pack of cards.",
    "Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the "
    "player can discard all their equivalent cards. To do this the player clicks on the card and "
    "it will disappear. For example, if the shape is half shaded, the player can click on the "
    "cards showing 0.5, 50%, 1/2 or the half shaded tile card to discard them. If the player "
    "clicks on an incorrect card, their turn ends and the turn passes to the next player.",
    "If the spinner points to a star on a blue background, the player must pick up another card "
    "from the pack. The player does this by clicking on the small card towards the top of the "
    "screen representing the pack.",
    "If the spinner points to a star on a red background, the player can discard any one of their "
    "cards by clicking on it.",
    "When a player has completed their turn, they should click the 'Next Player' button.",
    "The first player to get rid of all their cards wins the game.",
};

inline constexpr const char* RULES_DOCUMENT = "Zandoli Rules.doc";

}  // namespace zandoli

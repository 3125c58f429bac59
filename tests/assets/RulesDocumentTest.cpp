#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "PixelMeasure.h"

namespace zandoli::testing {
namespace {

std::string document() {
    QFile file(asset("Zandoli Rules.doc"));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "the rules document is missing";
        return {};
    }
    return file.readAll().toStdString();
}

// The rules screen's texts, word for word; none holds an RTF control character.
const char* const TEXTS[] = {
    "The Rules of Zandoli?",
    "Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the "
    "correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, Green.",
    "THE RULES",
    "The computer shuffles the cards and deals 7 cards to each player. The smaller card towards "
    "the "
    "top of the screen represents the rest of the pack of cards.",
    "Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the "
    "player can discard all their equivalent cards. To do this the player clicks on the card and "
    "it "
    "will disappear. For example, if the shape is half shaded, the player can click on the cards "
    "showing 0.5, 50%, 1/2 or the half shaded tile card to discard them. If the player clicks on "
    "an "
    "incorrect card, their turn ends and the turn passes to the next player.",
    "If the spinner points to a star on a blue background, the player must pick up another card "
    "from the pack. The player does this by clicking on the small card towards the top of the "
    "screen representing the pack.",
    "If the spinner points to a star on a red background, the player can discard any one of their "
    "cards by clicking on it.",
    "When a player has completed their turn, they should click the 'Next Player' button.",
    "The first player to get rid of all their cards wins the game.",
};

TEST(RulesDocument, IsRtfHoldingTheHeadingAndEveryRulesText) {
    const std::string rtf = document();
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    size_t last = 0;
    for (const char* text : TEXTS) {
        const size_t at = rtf.find(text);
        EXPECT_NE(at, std::string::npos) << text;
        if (at != std::string::npos) {
            EXPECT_GT(at, last) << "out of order: " << text;
            last = at;
        }
    }
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash does not nest
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            --depth;
            EXPECT_GE(depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
}

TEST(RulesDocument, TabulatesEveryValueInItsFourForms) {
    const std::string rtf = document();
    const char* const rows[][4] = {
        {"0.1", "10%", "1/10", "2 of 20"},  {"0.2", "20%", "1/5", "4 of 20"},
        {"0.25", "25%", "1/4", "5 of 20"},  {"0.3", "30%", "3/10", "6 of 20"},
        {"0.4", "40%", "2/5", "8 of 20"},   {"0.5", "50%", "1/2", "10 of 20"},
        {"0.6", "60%", "3/5", "12 of 20"},  {"0.7", "70%", "7/10", "14 of 20"},
        {"0.75", "75%", "3/4", "15 of 20"}, {"0.8", "80%", "4/5", "16 of 20"},
        {"0.9", "90%", "9/10", "18 of 20"}, {"1", "100%", "1", "20 of 20"},
    };
    for (const auto& row : rows) {
        const std::string cells = std::string(" ") + row[0] + "\\cell " + row[1] + "\\cell " +
                                  row[2] + "\\cell " + row[3];
        EXPECT_NE(rtf.find(cells), std::string::npos) << cells;
    }
}

}  // namespace
}  // namespace zandoli::testing

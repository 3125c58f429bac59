// A turn as the players see and hear it: what each press shows, which sounds
// play, how long each delay lasts, and where the cards go.
#include <gtest/gtest.h>

#include "engine/Layout.h"
#include "engine/Pack.h"
#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

using Hand = std::vector<int16_t>;

void playScript(Table<>& t, const Script& script) {
    for (const auto& [step, shows] : script) {
        EXPECT_EQ(t.play(step), shows) << "after " << step;
    }
}

TEST(Turn, AShortGameShowsAndSoundsEveryStep) {
    Table<> t(2);
    playScript(t, SHORT_GAME);
    playScript(t, SHORT_GAME_END);
    EXPECT_EQ(t.hand(0), (Hand{9, 10, 12, 13, 14}));
    EXPECT_EQ(t.hand(1), (Hand{15, 16, 17, 18, 19, 20, 21, 36}));
    EXPECT_EQ(t.state.topCard, 37);
}

TEST(Turn, NothingIsJudgedWhileThePointerTurnsOrOnAnotherPlayersSpin) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forSpinLength(20));
    t.referee.spinPressed();
    t.scheduler.advance(8 * 50);
    ASSERT_EQ(t.view.dial, "Images\\zandolit08.jpg");  // 0.7 passes under the pointer
    EXPECT_EQ(t.play("click 0"), "Blue to Play | 8 9 10 11 12 13 14 |");
    EXPECT_EQ(t.play("wait 50"), "Blue to Play | 8 9 10 11 12 13 14 |");
    ASSERT_EQ(t.view.dial, "Images\\zandolit09.jpg");  // and then the blue star
    EXPECT_EQ(t.play("pack"), "Blue to Play | 8 9 10 11 12 13 14 |");
    EXPECT_EQ(t.play("next"), "Blue to Play | 8 9 10 11 12 13 14 |");
    EXPECT_EQ(t.play("wait 550"), "Blue to Play | next | 8 9 10 11 12 13 14 | key");
    EXPECT_EQ(t.play("next"), "Yellow to Play | spin | 15 16 17 18 19 20 21 | scrape");
    EXPECT_EQ(t.play("spin 9"), "Yellow to Play | 15 16 17 18 19 20 21 | wheel4 key");
    EXPECT_EQ(t.play("pack"), "Yellow to Play | 15 16 17 18 19 20 21 | stapler");
    // Yellow's drawn card is in and its hand-over is running: only the clock acts.
    EXPECT_EQ(t.play("wait 400"), "Yellow to Play | 15 16 17 18 19 20 21 36 |");
    for (const char* press : {"pack", "click 0", "spinbutton", "next"}) {
        EXPECT_EQ(t.play(press), "Yellow to Play | 15 16 17 18 19 20 21 36 |") << press;
    }
    EXPECT_EQ(t.play("wait 3000"), "Blue to Play | spin | 8 9 10 11 12 13 14 | scrape");
    EXPECT_EQ(t.play("pack"), "Blue to Play | spin | 8 9 10 11 12 13 14 |");  // Yellow's star
    // A press on the very edge of a card's frame is not on the card.
    t.spinTo(8);
    const TwipRect r = slotFrame(0);
    t.referee.tablePressed(r.left, r.top + 100);
    t.referee.tablePressed(r.left + 100, r.top + r.height);
    t.referee.tablePressed(r.left + 100, 2000);  // above it, in its column
    EXPECT_EQ(t.screen(), "Blue to Play | next | 8 9 10 11 12 13 14");
}

TEST(HandOver, TheCardsLeftCloseUpInTheirOrder) {
    // The turn's hand, the count left, and the hand after the fold.
    const std::vector<std::tuple<Hand, int, Hand>> folds = {
        {{1, 2, 3, 4, 5, 6, 7}, 7, {1, 2, 3, 4, 5, 6, 7}},
        {{1, 48, 3, 4, 48, 6, 7}, 5, {1, 3, 4, 6, 7, 6, 7}},
        {{48, 48, 3, 48, 48, 48, 7, 8}, 3, {3, 7, 8, 4, 5, 6, 7, 0}},
        {{48, 2, 48}, 1, {2, 2, 3, 4, 5, 6, 7}},
        // A hand that counts more cards than it holds runs out of cards.
        {{48, 2, 48, 4}, 4, {2, 4, 48, 48, 5, 6, 7}},
    };
    for (const auto& [turn, left, after] : folds) {
        GameState state;
        state.hand[2] = {1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0, 0};
        state.turnHand[2].fill(NO_CARD);
        std::copy(turn.begin(), turn.end(), state.turnHand[2].begin());
        state.turnHand[3].fill(9);  // the next row is not read
        state.handSize[2] = static_cast<int16_t>(left);
        foldTurn(state, 2);
        EXPECT_EQ(Hand(state.hand[2].begin(), state.hand[2].begin() + long(after.size())), after)
            << left;
    }
}

TEST(Draws, AFullHandStaysAtTwelveAndTheTwentyFirstDrawTakesTheFirstDealtCard) {
    Table<> t(2);
    t.deal();
    for (int s = 7; s < 12; ++s) {  // Yellow comes to its turn with twelve cards
        t.state.hand[1][s] = static_cast<int16_t>(s + 30);
    }
    t.state.handSize[1] = 12;
    std::vector<int16_t> drawn;
    for (int draw = 0; draw < 21; ++draw) {
        const int colour = t.state.colour;
        const int slot = std::min<int>(t.state.handSize[colour], 12);
        t.spinTo(9);
        t.pressPack();
        drawn.push_back(t.state.hand[colour][slot]);
        t.scheduler.advance(3400);
        EXPECT_LE(t.view.visibleSlots(), 12);
        EXPECT_EQ(t.state.colour, 1 - colour);
    }
    EXPECT_EQ(t.state.handSize[1], 12);
    EXPECT_EQ(drawn, (Hand{36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46,
                           47, 0,  1,  2,  3,  4,  5,  6,  7,  8}));  // 8: the pack goes round to
                                                                      // Blue's first dealt card
}

}  // namespace
}  // namespace zandoli::testing

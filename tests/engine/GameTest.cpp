// Turns, wins and new games as transcripts of what the table shows and
// sounds (turns.txt, games.txt), and a saved game brought back. Whole games
// played to a win are in the saved game's tests, which save every state
// they pass through.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <type_traits>

#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

TEST(Turn, EveryStepShowsAndSoundsWhatTheRulesSay) {
    playTranscript("turns.txt");
}

TEST(WinAndNewGame, EveryStepShowsAndSoundsWhatTheRulesSay) {
    playTranscript("games.txt");
}

// Magenta saved after a red-star discard from slot 1 and a wrong card at slot
// 4, at a table that had just seen a win mid-flash or an Exit mid-spin.
TEST(Restore, AHalfWayTurnComesBackAsTheStartOfThatTurnWithThePackRebuilt) {
    for (const auto& before :
         {std::vector<std::string>{"restore 0 4", "spin 12", "click 0", "wait 250"},
          {"spinbutton 30", "wait 500", "exit"}}) {
        Table t(3);
        t.play("deal");
        for (const std::string& step : before) {
            t.play(step);
        }
        GameState& s = t.state;
        s.colour = 2;
        s.hand[2] = {22, 23, 24, 25, 26, 27, 28, NO_CARD, NO_CARD, NO_CARD, NO_CARD, NO_CARD, 0};
        s.turnHand[2] = s.hand[2];
        s.turnHand[2][1] = s.turnHand[2][4] = NO_CARD;
        s.handSize = {7, 7, 5, 7, 0};
        s.starUsed = s.drawn = 1;
        s.turnOver = 0;
        s.topCard = 5;
        s.packPos = 40;
        s.restoring = 1;
        t.random.setConstant(0.37);
        EXPECT_EQ(t.play("load"), "Magenta to Play | spin | 22 24 25 27 28 | turn");
        s.restoring = 0;
        EXPECT_EQ(t.play("pointer"), "at rest");
        EXPECT_EQ(t.view.state.player, 2);
        EXPECT_TRUE(t.view.state.titleShown && t.view.state.packShown &&
                    t.view.state.nextPlayerShown);
        EXPECT_EQ(t.play("click 0"), "Magenta to Play | spin | 22 24 25 27 28 |");
        EXPECT_EQ(t.play("flags"), "star 0, drawn 0, turn over 1");
        // The pointer starts at the top, and the saved red star's card is there again.
        t.play("spinbutton 17");
        EXPECT_EQ(t.play("wait 850"), "Magenta to Play | next | 22 24 25 27 28 | stop 1");
        EXPECT_EQ(t.play("click 0"), "Magenta to Play | 24 25 27 28 | discard 0");
        // The pack holds every card once, and the next draw gives the saved top card.
        std::vector<int16_t> pack(t.referee->packOrder().begin(),
                                  t.referee->packOrder().begin() + 48);
        std::sort(pack.begin(), pack.end());
        std::vector<int16_t> everyCard(48);
        std::iota(everyCard.begin(), everyCard.end(), int16_t{0});
        EXPECT_EQ(pack, everyCard);
        t.play("wait 3000");
        t.spinTo(9);
        t.play("pack");
        EXPECT_EQ(s.hand[0][s.handSize[0] - 1], 5);  // Blue drew it
        EXPECT_EQ(s.topCard, t.referee->packOrder()[41]);
    }
}

// The scheduler calls back the referee that set its callback: a copy would
// never hear its timers.
static_assert(!std::is_copy_constructible_v<Referee> && !std::is_copy_assignable_v<Referee>);
// Views are owned and deleted through the interface.
static_assert(std::has_virtual_destructor_v<TableView>);

}  // namespace
}  // namespace zandoli::testing

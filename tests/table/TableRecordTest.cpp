// The real table keeps the learning record in the user's data folder (a
// temporary one for the tests, see TestMain.cpp), beside what it shows.
#include <gtest/gtest.h>

#include "tests/record/RecordFile.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

TEST(TableRecord, TheTableWritesEachChoiceToTheUsersRecord) {
    std::vector<std::string> lastGame;
    {
        Harness h(2);
        h.startNewGame();
        // Blue, on 0.3, presses 0.7.
        h.spinTo(12);
        h.click(QStringLiteral("cardFrame0"));
        EXPECT_TRUE(h.w(QStringLiteral("incorrectChoiceMessage"))->isVisible());
        lastGame = readRows(RecordStore::userPath(),
                            "SELECT players, what, spin_value, card_value, card_form, mistake "
                            "FROM event JOIN game ON game.id = event.game "
                            "WHERE game.id = (SELECT max(id) FROM game) ORDER BY event.id");
    }
    EXPECT_EQ(lastGame, (std::vector<std::string>{
                            "2 | spin | 0.3 | - | - | -",
                            "2 | wrong | 0.3 | 0.7 | decimal | unshaded-part",
                        }));
}

}  // namespace
}  // namespace zandoli::testing

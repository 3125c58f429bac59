// The printable rules and the area models behind the shaded shapes. That the
// generator writes the same bytes on every run is same_bytes_test.sh.
#include <gtest/gtest.h>

#include <QFile>
#include <set>
#include <stdexcept>

#include "assets/AreaModel.h"
#include "assets/RulesDocument.h"
#include "engine/Spinner.h"
#include "tests/assets/PixelMeasure.h"

namespace zandoli::testing {
namespace {

// The heading, the introduction, the subheading and how each rule begins, in order.
const std::vector<const char*> ENGLISH_RULES = {
    "The Rules of Zandoli?",
    "Zandoli? is designed for 1 - 4 players. To begin the game",
    "THE RULES",
    "The computer shuffles the cards and deals 7 cards to each player.",
    "the player can click on the cards showing 0.5, 50%, 1/2 or the half shaded tile card",
    "If the spinner points to a star on a blue background, the player must pick up",
    "If the spinner points to a star on a red background, the player can discard any one",
    "they should click the 'Next Player' button.",
    "The first player to get rid of all their cards wins the game.",
};

TEST(RulesDocument, IsBalancedRtfHoldingTheRulesInOrderAndTheTableOfValues) {
    QFile file(asset("Zandoli Rules.doc"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string rtf = file.readAll().toStdString();
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    std::size_t last = 0;
    for (const char* text : ENGLISH_RULES) {
        const std::size_t at = rtf.find(text, last);
        EXPECT_NE(at, std::string::npos) << "missing or out of order: " << text;
        last = at == std::string::npos ? last : at;
    }
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash does not nest
        } else {
            depth += (rtf[i] == '{') - (rtf[i] == '}');
            EXPECT_GE(depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
    for (const char* row :
         {" 0.1\\cell 10%\\cell 1/10\\cell 2 of 20", " 0.2\\cell 20%\\cell 1/5\\cell 4 of 20",
          " 0.25\\cell 25%\\cell 1/4\\cell 5 of 20", " 0.3\\cell 30%\\cell 3/10\\cell 6 of 20",
          " 0.4\\cell 40%\\cell 2/5\\cell 8 of 20", " 0.5\\cell 50%\\cell 1/2\\cell 10 of 20",
          " 0.6\\cell 60%\\cell 3/5\\cell 12 of 20", " 0.7\\cell 70%\\cell 7/10\\cell 14 of 20",
          " 0.75\\cell 75%\\cell 3/4\\cell 15 of 20", " 0.8\\cell 80%\\cell 4/5\\cell 16 of 20",
          " 0.9\\cell 90%\\cell 9/10\\cell 18 of 20", " 1\\cell 100%\\cell 1\\cell 20 of 20"}) {
        EXPECT_NE(rtf.find(row), std::string::npos) << row;
    }
}

TEST(RulesDocument, EscapesControlCharactersAndSpellsOutEverythingBeyondAscii) {
    EXPECT_EQ(rtfEscape("plain 'quoted' \"text\" 50%"), "plain 'quoted' \"text\" 50%");
    EXPECT_EQ(rtfEscape("a{b}\\c"), "a\\{b\\}\\\\c");
    EXPECT_EQ(rtfEscape("\u00bd\u25a0x"), "\\u189?\\u9632?x");
    EXPECT_EQ(rtfEscape("\uff0b"), "\\u-245?");  // RTF reads \u as a signed 16-bit number
}

TEST(AreaModel, EveryShapeIsCutIntoEqualPartsShadingExactlyItsValue) {
    std::set<AreaModel::Kind> kinds;
    for (double value : {0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75, 0.8, 0.9, 1.0}) {
        const AreaModel model = areaModel(value);
        EXPECT_NEAR(model.share(), value, 1e-12) << value;
        EXPECT_GE(model.parts(), 2) << value;
        kinds.insert(model.kind);
    }
    EXPECT_EQ(kinds.size(), 3u);  // circles, bars and grids
    EXPECT_THROW(areaModel(1.0 / 3.0), std::invalid_argument);
}

}  // namespace
}  // namespace zandoli::testing

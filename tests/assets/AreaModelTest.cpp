#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "AreaModel.h"
#include "RulesDocument.h"
#include "Spinner.h"

namespace zandoli {
namespace {

bool isshape(double value) {
    return value != RED_STAR && value != BLUE_STAR;
}

TEST(AreaModel, EveryShapeOnTheSpinnerShadesExactlyItsValueInEqualParts) {
    std::set<AreaModel::Kind> kinds;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = SPINVALUES[p];
        if (!isshape(value)) {
            continue;
        }
        const AreaModel model = areamodel(value);
        EXPECT_NEAR(model.share(), value, 1e-12) << "position " << p;
        EXPECT_GE(model.parts(), 2) << "a shape must be cut into parts, position " << p;
        EXPECT_LE(model.shaded, model.parts());
        kinds.insert(model.kind);
    }
    // Children should meet the same idea as circles, bars and grids.
    EXPECT_EQ(kinds.size(), 3u);
}

TEST(AreaModel, AValueNoModelCanShowExactlyIsRefused) {
    EXPECT_THROW(areamodel(1.0 / 3.0), std::invalid_argument);
    EXPECT_THROW(areamodel(RED_STAR), std::invalid_argument);
}

TEST(RtfEscape, ProtectsControlCharactersAndSpellsOutEverythingBeyondAscii) {
    EXPECT_EQ(rtfescape("plain 'quoted' \"text\" 50%"), "plain 'quoted' \"text\" 50%");
    EXPECT_EQ(rtfescape("a{b}\\c"), "a\\{b\\}\\\\c");
    EXPECT_EQ(rtfescape("\u00bd"), "\\u189?");
    EXPECT_EQ(rtfescape("\u25a0x"), "\\u9632?x");
    // RTF reads \u as a signed 16-bit number.
    EXPECT_EQ(rtfescape("\uff0b"), "\\u-245?");
}

}  // namespace
}  // namespace zandoli

// Card values: the catalogue and the tolerance with which a card is judged.
#include <gtest/gtest.h>

#include <map>

#include "Cards.h"
#include "Spinner.h"

namespace zandoli {
namespace {

TEST(Catalogue, HoldsFortyEightCardsFourOfEachValue) {
    std::map<int, int> pervalue;  // in thousandths
    std::map<CardKind, int> perkind;
    for (int16_t c = 0; c < PACK_SIZE; ++c) {
        ++pervalue[static_cast<int>(cardcatalogue()[c].cardvalue * 1000 + 0.5)];
        ++perkind[kindof(c)];
    }
    EXPECT_EQ(pervalue, (std::map<int, int>{{100, 4},
                                            {200, 4},
                                            {250, 4},
                                            {300, 4},
                                            {400, 4},
                                            {500, 4},
                                            {600, 4},
                                            {700, 4},
                                            {750, 4},
                                            {800, 4},
                                            {900, 4},
                                            {1000, 4}}));
    EXPECT_EQ(perkind, (std::map<CardKind, int>{{CardKind::Whole, 2},
                                                {CardKind::Decimal, 11},
                                                {CardKind::Percent, 12},
                                                {CardKind::Fraction, 11},
                                                {CardKind::Tile, 12}}));
    EXPECT_FALSE(iscard(NO_CARD));
}

TEST(Matching, ComputedAndLiteralTenthsBothMatchTheSpinner) {
    // 3 * 0.1 is not the literal 0.3; only the tolerance makes them equal.
    ASSERT_NE(cardcatalogue()[4].cardvalue, cardcatalogue()[33].cardvalue);
    for (int16_t card : {4, 15, 33, 38}) {
        EXPECT_TRUE(cardmatches(card, 0.3)) << card;
    }
    for (int16_t card : {0, 1, 24, 45}) {
        EXPECT_TRUE(cardmatches(card, 1)) << card;
    }
    EXPECT_FALSE(cardmatches(5, 0.3));
    EXPECT_FALSE(valuesmatch(0.5 + 0.001, 0.5));  // strictly within
}

TEST(Matching, NoCardAndStarsNeverMatch) {
    for (double v : SPINVALUES) {
        EXPECT_FALSE(cardmatches(NO_CARD, v)) << v;
    }
    for (int16_t c = 0; c < PACK_SIZE; ++c) {
        EXPECT_FALSE(cardmatches(c, RED_STAR) || cardmatches(c, BLUE_STAR)) << c;
    }
}

}  // namespace
}  // namespace zandoli

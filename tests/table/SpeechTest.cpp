// What a screen reader finds at the table: every card in words, the spin's
// result, and the captions and messages read out as they change.
#include <QCoreApplication>
#include <utility>
#include <vector>

#include "CardWords.h"
#include "Cards.h"
#include "Spinner.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

// The first card of the pack of this kind and value.
int16_t findcard(CardKind kind, double value) {
    for (int16_t c = 0; c < 48; ++c) {
        if (kindof(c) == kind && cardmatches(c, value)) {
            return c;
        }
    }
    throw std::runtime_error("no such card");
}

TEST(CardWords, SayTheValueAndTheFormOfEveryKindOfCard) {
    const std::pair<int16_t, const char*> cases[] = {
        {findcard(CardKind::Decimal, 0.3), "three tenths, as a decimal: 0.3"},
        {findcard(CardKind::Percent, 0.3), "three tenths, as a percentage: 30 percent"},
        {findcard(CardKind::Fraction, 0.3), "three tenths, as a fraction: 3 over 10"},
        {findcard(CardKind::Tile, 0.3), "three tenths, as a tile with 6 of 20 squares shaded"},
        {findcard(CardKind::Percent, 0.75), "three quarters, as a percentage: 75 percent"},
        {findcard(CardKind::Whole, 1.0), "1, one whole"},
        {NO_CARD, ""},
        {-1, ""}};
    for (const auto& [card, words] : cases) {
        EXPECT_EQ(cardwords(card), words) << "card " << card;
    }
    // Every card of the pack is read, and by its own value.
    for (int16_t c = 0; c < 48; ++c) {
        const std::string value = valuewords(cardcatalogue()[static_cast<size_t>(c)].cardvalue);
        ASSERT_FALSE(value.empty()) << "card " << c;
        EXPECT_NE(cardwords(c).find(value), std::string::npos) << "card " << c;
    }
}

TEST(TableSpeech, ShowingCardsReadTheirWordsAndHiddenSlotsStaySilent) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    for (int s = 0; s < 12; ++s) {
        const int16_t card = h.state.hand[0][static_cast<size_t>(s)];
        const std::string words = iscard(card) ? cardwords(card) : "";
        EXPECT_EQ(spoken(h.w("Shape4", s)).toStdString(), words) << "slot " << s;
        // The part a player clicks reads the whole card too.
        if (iscard(card)) {
            QWidget* part = h.w(kindof(card) == CardKind::Tile ? "Image3" : "Label4", s);
            EXPECT_EQ(spoken(part).toStdString(), words) << "slot " << s;
        }
    }
    EXPECT_EQ(spoken(h.w("Shape4_12")), "the pack");
}

TEST(TableSpeech, TheCloseUpReadsTheResultOnceTheSpinStops) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    const std::pair<int, const char*> stops[] = {{6, "half shaded"},
                                                 {13, "star on red: discard any one card"},
                                                 {9, "star on blue: take a card from the pack"}};
    for (const auto& [position, words] : stops) {
        h.click("Label3_2");  // hand over (the first time Next Player is not yet enabled)
        QCoreApplication::processEvents();
        EXPECT_EQ(spoken(h.w("Image2")), "") << words;
        h.spinto(position);
        QCoreApplication::processEvents();
        EXPECT_EQ(spoken(h.w("Image2")), words);
    }
}

TEST(TableSpeech, CaptionChangesAndTheWrongCardMessageAreAnnounced) {
    Heard heard;
    Harness<TableScreen> h(2);
    h.startnewgame();
    EXPECT_EQ(heard.count("Label2", QAccessible::NameChanged), 1);
    EXPECT_EQ(spoken(h.w("Label2")), "Blue to Play");
    heard.events.clear();
    h.spinto(8);          // 0.7
    h.click("Label4_1");  // Blue's second card of the golden deal is no 0.7
    EXPECT_EQ(heard.count("Label1", QAccessible::Alert), 1);
    EXPECT_EQ(heard.count("Label2", QAccessible::NameChanged), 1);  // "TURN OVER"
}

}  // namespace
}  // namespace zandoli::testing

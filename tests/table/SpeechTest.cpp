// What a screen reader finds at the table: every card in words, the spin's
// result, and the captions and messages read out as they change.
#include <QCoreApplication>
#include <utility>
#include <vector>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "table/CardWords.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

// The first card of the pack of this kind and value.
int16_t findCard(CardKind kind, double value) {
    for (int16_t c = 0; c < 48; ++c) {
        if (kindOf(c) == kind && cardMatches(c, value)) {
            return c;
        }
    }
    throw std::runtime_error("no such card");
}

TEST(CardWords, SayTheValueAndTheFormOfEveryKindOfCard) {
    const std::pair<int16_t, const char*> cases[] = {
        {findCard(CardKind::Decimal, 0.3), "three tenths, as a decimal: 0.3"},
        {findCard(CardKind::Percent, 0.3), "three tenths, as a percentage: 30 percent"},
        {findCard(CardKind::Fraction, 0.3), "three tenths, as a fraction: 3 over 10"},
        {findCard(CardKind::Tile, 0.3), "three tenths, as a tile with 6 of 20 squares shaded"},
        {findCard(CardKind::Percent, 0.75), "three quarters, as a percentage: 75 percent"},
        {findCard(CardKind::Whole, 1.0), "one whole, as a whole number: 1"},
        {NO_CARD, ""},
        {-1, ""}};
    for (const auto& [card, words] : cases) {
        EXPECT_EQ(cardWords(card), words) << "card " << card;
    }
    // Every card of the pack is read, and by its own value.
    for (int16_t c = 0; c < 48; ++c) {
        const QString value = valueWords(cardCatalogue()[static_cast<size_t>(c)].value);
        ASSERT_FALSE(value.isEmpty()) << "card " << c;
        EXPECT_TRUE(cardWords(c).startsWith(value)) << "card " << c;
    }
}

TEST(TableSpeech, ShowingCardsReadTheirWordsAndHiddenSlotsStaySilent) {
    Harness<TableScreen> h(2);
    h.startNewGame();
    for (int s = 0; s < 12; ++s) {
        const int16_t card = h.state.hand[0][static_cast<size_t>(s)];
        const QString words = cardWords(card);
        EXPECT_EQ(spoken(h.w("cardFrame", s)), words) << "slot " << s;
        // The part a player clicks reads the whole card too.
        if (isCard(card)) {
            QWidget* part = h.w(kindOf(card) == CardKind::Tile ? "cardPicture" : "cardCaption", s);
            EXPECT_EQ(spoken(part), words) << "slot " << s;
        }
    }
    EXPECT_EQ(spoken(h.w("pack")), "take a card from the pack");
}

TEST(TableSpeech, TheCloseUpReadsTheResultOnceTheSpinStops) {
    Harness<TableScreen> h(2);
    h.startNewGame();
    const std::pair<int, const char*> stops[] = {{6, "half shaded"},
                                                 {13, "star on red: discard any one card"},
                                                 {9, "star on blue: take a card from the pack"}};
    for (const auto& [position, words] : stops) {
        h.click("nextPlayerButton");  // hand over (the first time Next Player is not yet enabled)
        QCoreApplication::processEvents();
        EXPECT_EQ(spoken(h.w("closeup")), "the spinner's pointer, not spun yet") << words;
        h.spinTo(position);
        QCoreApplication::processEvents();
        EXPECT_EQ(spoken(h.w("closeup")), words);
    }
}

TEST(TableSpeech, CaptionChangesAndTheWrongCardMessageAreAnnounced) {
    Heard heard;
    Harness<TableScreen> h(2);
    h.startNewGame();
    EXPECT_EQ(heard.count("turnCaption", QAccessible::NameChanged), 1);
    EXPECT_EQ(spoken(h.w("turnCaption")), "Blue to Play");
    heard.events.clear();
    h.spinTo(8);              // 0.7
    h.click("cardCaption1");  // Blue's second card of the golden deal is no 0.7
    EXPECT_EQ(heard.count("incorrectChoiceMessage", QAccessible::Alert), 1);
    EXPECT_EQ(heard.count("turnCaption", QAccessible::NameChanged), 1);  // "TURN OVER"
}

}  // namespace
}  // namespace zandoli::testing

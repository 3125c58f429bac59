// What a screen reader finds at the table: every card in words, the spin's
// result, and the captions and messages read out as they change.
#include <QAccessible>
#include <QCoreApplication>
#include <utility>
#include <vector>

#include "CardWords.h"
#include "Cards.h"
#include "Speech.h"
#include "Spinner.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

QString spoken(QWidget* control, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face == nullptr ? QStringLiteral("<none>") : face->text(kind);
}

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

TEST(CardWords, SayWhatEverySpinnerSegmentAsks) {
    EXPECT_EQ(spinwords(0.5), "half shaded");
    EXPECT_EQ(spinwords(3 * 0.1), "three tenths shaded");
    EXPECT_EQ(spinwords(RED_STAR), "star on red: discard any one card");
    EXPECT_EQ(spinwords(BLUE_STAR), "star on blue: take a card from the pack");
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        EXPECT_FALSE(spinwords(SPINVALUES[static_cast<size_t>(p)]).empty()) << "position " << p;
    }
}

// Announcements heard while the fixture lives.
struct Heard {
    Heard() {
        speech::setlistener([this](QObject* control, QAccessible::Event kind) {
            events.emplace_back(control->objectName(), kind);
        });
    }
    ~Heard() { speech::setlistener(nullptr); }
    bool has(const char* name, QAccessible::Event kind) const {
        for (const auto& [who, what] : events) {
            if (who == QLatin1String(name) && what == kind) {
                return true;
            }
        }
        return false;
    }
    std::vector<std::pair<QString, QAccessible::Event>> events;
};

TEST(TableSpeech, TheDealtHandReadsItsCardsAndEmptySlotsReadNothing) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    int shown = 0;
    for (int s = 0; s < 12; ++s) {
        QWidget* frame = h.w("Shape4", s);
        const int16_t card = h.state.hand[0][static_cast<size_t>(s)];
        if (iscard(card)) {
            ++shown;
            EXPECT_EQ(spoken(frame).toStdString(), cardwords(card)) << "slot " << s;
            EXPECT_FALSE(spoken(frame, QAccessible::Description).isEmpty());
            // The part a player clicks reads the whole card too.
            QWidget* part = h.w(kindof(card) == CardKind::Tile ? "Image3" : "Label4", s);
            EXPECT_EQ(spoken(part), spoken(frame));
        } else {
            EXPECT_EQ(spoken(frame), "") << "slot " << s;
            EXPECT_TRUE(QAccessible::queryAccessibleInterface(frame)->state().invisible);
        }
    }
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(spoken(h.w("Shape4_12")), "the pack");
    EXPECT_EQ(spoken(h.w("Image1")), "the spinner");

    // A discarded card's slot falls silent.
    const int16_t first = h.state.hand[0][0];
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        if (cardmatches(first, SPINVALUES[static_cast<size_t>(p)])) {
            h.spinto(p);
            break;
        }
    }
    h.click("Label4_0");
    EXPECT_FALSE(h.table.referee().slotshowing(0));
    EXPECT_EQ(spoken(h.w("Shape4_0")), "");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(h.w("Label4_0"))->state().invisible);
}

TEST(TableSpeech, ButtonsAreButtonsNamedByTheirTextsThatCanBePressed) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    QAccessibleInterface* rules = QAccessible::queryAccessibleInterface(h.w("Label3_3"));
    EXPECT_EQ(rules->role(), QAccessible::Button);
    EXPECT_EQ(rules->text(QAccessible::Name), "The Rules");
    QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(h.w("Label7"));
    EXPECT_EQ(spin->text(QAccessible::Name), "Spin the Spinner");
    // Pressed by a screen reader, the button spins as a click would.
    h.random.queue(FixedRandom::forspinlength(17));
    spin->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(h.table.referee().spinning());
    // A disabled button says so and does not act.
    QAccessibleInterface* next = QAccessible::queryAccessibleInterface(h.w("Label3_2"));
    EXPECT_TRUE(next->state().disabled);
}

TEST(TableSpeech, TheCloseUpReadsTheResultOnceTheSpinStops) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    QCoreApplication::processEvents();
    QWidget* closeup = h.w("Image2");
    EXPECT_EQ(spoken(closeup), "");
    h.random.queue(FixedRandom::forspinlength(17 + 5));
    h.click("Label7");
    h.clock.advance(50 * 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(spoken(closeup), "spinning");
    while (h.table.referee().spinning()) {
        h.clock.step();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(spoken(closeup), "half shaded");  // 22 steps from the top
    const std::pair<int, const char*> stops[] = {{13, "star on red: discard any one card"},
                                                 {9, "star on blue: take a card from the pack"}};
    for (const auto& [position, words] : stops) {
        h.click("Label3_2");  // hand over: the close-up rests again
        QCoreApplication::processEvents();
        EXPECT_EQ(spoken(closeup), "");
        h.spinto(position);
        QCoreApplication::processEvents();
        EXPECT_EQ(spoken(closeup), words);
    }
    h.click("Label3_1");  // New Game puts the close-up at rest
    QCoreApplication::processEvents();
    EXPECT_EQ(spoken(closeup), "");
}

TEST(TableSpeech, CaptionChangesMessagesAndTheWinAreAnnounced) {
    Heard heard;
    Harness<TableScreen> h(2);
    h.startnewgame();
    EXPECT_TRUE(heard.has("Label2", QAccessible::NameChanged));
    EXPECT_FALSE(heard.has("Label1", QAccessible::Alert));
    EXPECT_EQ(spoken(h.w("Label2")), "Blue to Play");

    heard.events.clear();
    h.spinto(8);          // 0.7
    h.click("Label4_1");  // Blue's second card of the golden deal is no 0.7
    EXPECT_TRUE(heard.has("Label1", QAccessible::Alert));
    EXPECT_TRUE(heard.has("Label2", QAccessible::NameChanged));  // "TURN OVER"
    h.clock.advance(3000);
    EXPECT_EQ(spoken(h.w("Label2")), "Yellow to Play");

    // Blue holds one half and the spinner stops on one half: Blue wins.
    const int16_t half = findcard(CardKind::Fraction, 0.5);
    Harness<TableScreen> last(2);
    heard.events.clear();
    last.restore({half});
    last.spinto(6);
    EXPECT_FALSE(heard.has("Label2", QAccessible::Alert));
    last.click("Label4_0");
    ASSERT_EQ(last.table.referee().gameover(), 1);
    EXPECT_TRUE(heard.has("Label2", QAccessible::Alert));
    EXPECT_EQ(spoken(last.w("Label2")), "BLUE HAS WON!!!");
}

}  // namespace
}  // namespace zandoli::testing

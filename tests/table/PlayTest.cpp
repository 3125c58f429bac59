// The table played as a person plays it and read as a screen reader reads
// it, as transcripts: by mouse and keys, with the learning record it keeps
// in the user's data folder (table.txt), and by keyboard alone
// (tests/keyboard/keys.txt: the reading order of Tab, the keys of the table,
// the focus mark, and the focus following the game with what it tells a
// screen reader); and the face each card of the pack shows (cards.txt).
#include <array>
#include <charconv>
#include <fstream>
#include <memory>

#include "table/CardSlot.h"
#include "tests/support/Transcript.h"
#include "tests/table/TablePlayer.h"

namespace zandoli::testing {
namespace {

// The table is played by presses and by keys, and read aloud.
[[maybe_unused]] const bool playRegistered =
    registerTranscript<TablePlayer>(ZANDOLI_TABLE_DATA "/table.txt") &&
    registerTranscript<TablePlayer>(ZANDOLI_KEYS "/keys.txt");

// cards.txt lists the pack card by card: its kind, the one value it matches
// and the face a slot draws for it. A card matching no value, or two, shows
// as a changed line.
TEST(Cards, EachCardShowsItsFaceAndMatchesItsOwnValueOnly) {
    std::ifstream file(ZANDOLI_TABLE_DATA "/cards.txt");
    std::string expected;
    for (std::string line; std::getline(file, line);) {
        expected += line.starts_with("#") ? "" : line + "\n";
    }
    const double values[] = {0.1,  0.2, 0.25, 0.3, 0.4,  0.5,      0.6,      0.7,
                             0.75, 0.8, 0.9,  1,   0.35, RED_STAR, BLUE_STAR};
    const char* const kinds[] = {"whole", "decimal", "percent", "fraction", "tile"};
    auto window = std::make_unique<QWidget>();
    CardSlot slot(window.get(), CardSlot::buildFrame(window.get(), 0), 0);
    slot.setup();
    std::string pack;
    for (int16_t card = 0; card <= NO_CARD; ++card) {
        pack += std::to_string(card);
        if (isCard(card)) {
            pack += std::string(" ") + kinds[static_cast<int>(kindOf(card))];
        }
        for (double value : values) {
            std::array<char, 16> shortest{};
            *std::to_chars(shortest.begin(), shortest.end(), value).ptr = '\0';
            pack += cardMatches(card, value) ? std::string(" ") + shortest.data() : "";
        }
        slot.hide();
        slot.drawFace(card, Qt::blue);
        if (slot.card() != NO_CARD) {
            const QString face = !slot.picture()->isHidden() ? slot.picture()->pictureName()
                                 : !slot.secondLine()->isHidden()
                                     ? slot.caption()->text() + '/' + slot.secondLine()->text()
                                     : slot.caption()->text();
            pack += " " + face.toStdString();
        }
        pack += "\n";
    }
    EXPECT_EQ(pack, expected);
    // A slot that outlives its window draws, colours and hides nothing.
    window.reset();
    slot.setup();
    slot.drawFace(4, Qt::blue);
    slot.applyColours(Qt::blue, Qt::white);
    slot.hide();
    EXPECT_EQ(slot.card(), NO_CARD);
}

}  // namespace
}  // namespace zandoli::testing

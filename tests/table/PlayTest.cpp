// The table played as a person plays it and read as a screen reader reads
// it, as transcripts: by mouse and keys, with the learning record it keeps
// in the user's data folder (table.txt), and by keyboard alone
// (tests/keyboard/keys.txt: the reading order of Tab, the keys of the table,
// the focus mark, and the focus following the game with what it tells a
// screen reader).
#include "tests/support/Transcript.h"
#include "tests/table/TablePlayer.h"

namespace zandoli::testing {
namespace {

TEST(Table, IsPlayedByPressesAndReadAloud) {
    playParts<TablePlayer>(ZANDOLI_TABLE_DATA "/table.txt");
}

TEST(Keyboard, TheTableIsPlayedByKeysAndReadAloud) {
    playParts<TablePlayer>(ZANDOLI_KEYS "/keys.txt");
}

}  // namespace
}  // namespace zandoli::testing

// Playing by keyboard as a transcript (keys.txt): the reading order of Tab,
// the keys of the table, the focus mark, and the focus following the game
// with what it tells a screen reader.
#include "tests/support/Transcript.h"
#include "tests/table/TablePlayer.h"

namespace zandoli::testing {
namespace {

TEST(Keyboard, TheTableIsPlayedByKeysAndReadAloud) {
    playParts<TablePlayer>(ZANDOLI_TRANSCRIPTS "/keys.txt");
}

}  // namespace
}  // namespace zandoli::testing

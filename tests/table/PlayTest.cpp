// The table played as a person plays it and read as a screen reader reads
// it, as a transcript (table.txt).
#include "tests/support/Transcript.h"
#include "tests/table/TablePlayer.h"

namespace zandoli::testing {
namespace {

TEST(Table, IsPlayedByPressesAndReadAloud) {
    playParts<TablePlayer>(ZANDOLI_TABLE_DATA "/table.txt");
}

}  // namespace
}  // namespace zandoli::testing

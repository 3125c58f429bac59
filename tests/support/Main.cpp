// The main of the test programs without Qt: GoogleTest's own, and --verbs,
// which prints the verbs of each transcript's player.
#include <gtest/gtest.h>

#include "tests/support/Transcript.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (zandoli::testing::printVerbs(argc, argv)) {
        return 0;
    }
    return zandoli::testing::runTests();
}

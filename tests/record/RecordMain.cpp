#include <gtest/gtest.h>
#include <QCoreApplication>

#include "tests/support/Transcript.h"

// Qt SQL finds its SQLite driver through the application's plugin paths.
// --verbs prints the verbs of each transcript's player.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (zandoli::testing::printVerbs(argc, argv)) {
        return 0;
    }
    QCoreApplication app(argc, argv);
    return zandoli::testing::runTests();
}

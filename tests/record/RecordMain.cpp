#include <gtest/gtest.h>
#include <QCoreApplication>

// Qt SQL finds its SQLite driver through the application's plugin paths.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>
#include <QApplication>

#include "platform/Platform.h"

int main(int argc, char** argv) {
    // The widget tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zandoli::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

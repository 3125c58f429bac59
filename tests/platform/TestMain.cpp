#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "platform/Platform.h"
#include "tests/support/Transcript.h"

// Runs under the offscreen platform with one screen of the size named in
// ZANDOLI_TEST_DISPLAY (1280x1024 when unset) at 96 dots per inch, without
// the fake window frames. --verbs prints the verbs of each transcript's
// player instead.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (zandoli::testing::printVerbs(argc, argv)) {
        return 0;
    }
    const QStringList size = qEnvironmentVariable("ZANDOLI_TEST_DISPLAY", "1280x1024").split('x');
    QTemporaryFile config;
    if (!config.open()) {
        return 1;
    }
    config.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "test", )"
                                R"("x": 0, "y": 0, "width": %1, "height": %2, "logicalDpi": 96, )"
                                R"("logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(size.value(0), size.value(1))
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    // The tables played here keep a learning record: in a folder of the
    // tests' own, never in the user's.
    QTemporaryDir data;
    if (!data.isValid()) {
        return 1;
    }
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    // Nor does full screen, switched on and off here, reach the user's settings.
    QTemporaryDir settings;
    if (!settings.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    zandoli::installFontSubstitutions();
    return zandoli::testing::runTests();
}

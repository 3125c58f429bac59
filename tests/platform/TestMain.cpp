#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/Platform.h"

// Runs under the offscreen platform with one screen of the size named in
// ZANDOLI_TEST_DISPLAY (1280x1024 when unset) at 96 dots per inch, without
// the fake window frames.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QList<QByteArray> size = qgetenv("ZANDOLI_TEST_DISPLAY").split('x');
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("display.json")));
    if (!config.open(QIODevice::WriteOnly)) {
        return 1;
    }
    config.write(
        "{\"windowFrameMargins\": false, \"screens\": [{\"name\": \"test\", \"x\": 0, "
        "\"y\": 0, \"width\": " +
        (size.size() == 2 ? size[0] : "1280") +
        ", \"height\": " + (size.size() == 2 ? size[1] : "1024") +
        ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    QApplication app(argc, argv);
    zandoli::installFontSubstitutions();
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Platform.h"

namespace {

// Writes the offscreen platform's configuration: one screen of the asked
// size at 96 dots per inch, without the fake window frames.
QString writedisplayconfig(const QTemporaryDir& dir) {
    QByteArray size = qgetenv("ZANDOLI_TEST_DISPLAY");
    if (size.isEmpty()) {
        size = "1280x1024";
    }
    const QList<QByteArray> wh = size.split('x');
    const QByteArray json =
        "{\"windowFrameMargins\": false, \"screens\": [{\"name\": \"test\", "
        "\"x\": 0, \"y\": 0, \"width\": " +
        wh.value(0) + ", \"height\": " + wh.value(1) +
        ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}";
    const QString path = dir.filePath(QStringLiteral("display.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(json);
    }
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir configdir;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + writedisplayconfig(configdir).toUtf8());
    QApplication app(argc, argv);
    zandoli::installfontsubstitutions();
    return RUN_ALL_TESTS();
}

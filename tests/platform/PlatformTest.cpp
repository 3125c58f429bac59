// The platform layer on its own: file names whatever their case, where a
// screen is placed, which sound is heard and which picture is shown.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <memory>

#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "platform/SoundPlayer.h"
#include "tests/platform/WorkingFolder.h"

namespace zandoli {
namespace {

TEST(AssetPath, MatchesFoldersAndFilesWhateverTheirCase) {
    WorkingFolder folder;
    folder.writePicture(QStringLiteral("Images/opening.jpg"), QSize(1, 1));
    // Any file will do where only the name is looked at.
    folder.writePicture(QStringLiteral("wav/Click.WAV"), QSize(1, 1));
    const QString root = QDir::currentPath();
    EXPECT_EQ(assetPath(QStringLiteral("images\\opening.jpg")), root + "/Images/opening.jpg");
    EXPECT_EQ(assetPath(QStringLiteral("IMAGES\\OPENING.JPG")), root + "/Images/opening.jpg");
    EXPECT_EQ(assetPath(QStringLiteral("wav\\click.wav")), root + "/wav/Click.WAV");
    // A missing name is kept as written, under the folder that is there.
    EXPECT_EQ(assetPath(QStringLiteral("images\\logo2.jpg")), root + "/Images/logo2.jpg");
    EXPECT_EQ(assetPath(QStringLiteral("sounds\\x.wav")), root + "/sounds/x.wav");
}

TEST(FitPosition, CentresTheTableSizeOnDisplaysOfEverySize) {
    const QSize fitted(15360, 11520);
    EXPECT_EQ(fitPosition(QSize(15360, 11520), fitted), QPoint(0, 0));
    EXPECT_EQ(fitPosition(QSize(12000, 9000), fitted), QPoint(-1680, -1260));  // 800 x 600
    EXPECT_EQ(fitPosition(QSize(28800, 16200), fitted), QPoint(6720, 2340));   // 1920 x 1080
    EXPECT_EQ(fitPosition(QSize(19200, 15360), QSize(5580, 6570)), QPoint(6810, 4395));
    // Halved in floating point: -7.5 twips, truncated towards zero.
    EXPECT_EQ(fitPosition(QSize(15345, 11505), fitted), QPoint(-7, -7));
}

// A voice that writes its loading and what is done to it into a shared log.
struct LoggedVoice : Voice {
    LoggedVoice(QString name, QStringList& log) : name(std::move(name)), log(log) {
        log << "load " + this->name;
    }
    void start() override { log << "start " + name; }
    void stop() override { log << "stop " + name; }
    QString name;
    QStringList& log;
};

TEST(SoundPlayer, ANewSoundCutsOffTheOneBeforeEvenWhenItsFileIsMissing) {
    WorkingFolder folder;
    folder.writePicture(QStringLiteral("wav/click.wav"), QSize(1, 1));
    folder.writePicture(QStringLiteral("wav/wheel4.wav"), QSize(1, 1));
    QStringList log;
    // A missing file makes no voice.
    SoundPlayer player([&](const QString& path) -> std::unique_ptr<Voice> {
        const QString name = QDir::current().relativeFilePath(path);
        return QFileInfo(path).isFile() ? std::make_unique<LoggedVoice>(name, log) : nullptr;
    });
    player.play(QStringLiteral("wav\\wheel4.wav"));
    player.play(QStringLiteral("wav\\click.wav"));
    player.play(QStringLiteral("WAV\\CLICK.WAV"));
    player.play(QStringLiteral("wav\\fanf3.wav"));
    // Each file is loaded once.
    EXPECT_EQ(log,
              QStringList({"load wav/wheel4.wav", "start wav/wheel4.wav", "stop wav/wheel4.wav",
                           "load wav/click.wav", "start wav/click.wav", "stop wav/click.wav",
                           "start wav/click.wav", "stop wav/click.wav"}));
    EXPECT_TRUE(player.current().isEmpty());
}

// On a display of two device pixels to the logical pixel (the suite is run
// again with QT_SCALE_FACTOR=2 for this) the picture drawn at twice the size
// is shown, at the logical size; without one, or on an ordinary display, the
// plain picture at its own size.
TEST(PictureBox, ShowsTheDoubleSizedPictureOnASharpDisplayAtTheLogicalSize) {
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    ASSERT_EQ(qApp->devicePixelRatio(), ratio);
    WorkingFolder folder;
    folder.writePicture(QStringLiteral("Images/wdial.jpg"), QSize(400, 400));
    folder.writePicture(QStringLiteral("Images/wdial@2x.jpg"), QSize(800, 800));
    folder.writePicture(QStringLiteral("Images/wsq6.jpg"), QSize(80, 120));
    QWidget window;
    PictureBox box(&window);
    ASSERT_TRUE(box.setPicture(QStringLiteral("Images\\wdial.jpg")));
    EXPECT_EQ(box.pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(box.pixmap().size(), QSize(400, 400) * ratio);
    EXPECT_EQ(box.size(), QSize(400, 400));
    ASSERT_TRUE(box.setPicture(QStringLiteral("images\\WSQ6.jpg")));
    EXPECT_EQ(box.pixmap().devicePixelRatio(), 1.0);
    EXPECT_EQ(box.size(), QSize(80, 120));
}

}  // namespace
}  // namespace zandoli

// The platform layer on its own: file names whatever their case, where a
// screen is placed, the scale it is drawn at and the window system it asks
// for (platform.txt), which sound is heard and which picture is shown.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <memory>

#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "platform/SoundPlayer.h"
#include "platform/Units.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/support/Transcript.h"

namespace zandoli {
namespace {

// How far a colour lies from another, summed over its channels: JPEG keeps
// no colour exactly, so the tests allow 30.
int apart(const QColor& seen, const QColor& art) {
    return std::abs(seen.red() - art.red()) + std::abs(seen.green() - art.green()) +
           std::abs(seen.blue() - art.blue());
}

// The platform's answers to platform.txt, from a working folder that holds
// the title picture and a sound.
class PlatformPlayer {
public:
    PlatformPlayer() {
        folder_.writePicture(QStringLiteral("Images/opening.jpg"), QSize(1, 1));
        // Any file will do where only the name is looked at.
        folder_.writePicture(QStringLiteral("wav/Click.WAV"), QSize(1, 1));
    }

    static const testing::Vocabulary<PlatformPlayer>& verbs() {
        static const testing::Vocabulary<PlatformPlayer> verbs(
            "the platform layer (tests/platform/PlatformTest.cpp)",
            {{"asset", "asset images\\opening.jpg", "the file a name in the game's spelling finds",
              &PlatformPlayer::asset},
             {"centre", "centre W H on W H", "where a screen of the first size stands (twips)",
              &PlatformPlayer::centre},
             {"scale", "scale W H full", "the scale of a work area, in a window or full screen",
              &PlatformPlayer::scale},
             {"x11", "x11 PLATFORM DISPLAY WAYLAND SESSION",
              "whether X is asked for, given the variables (\"-\" unset)", &PlatformPlayer::x11}});
        return verbs;
    }

private:
    static QSize size(const testing::Step& step, size_t at) {
        return QSize(int(step.number(at)), int(step.number(at + 1)));
    }
    std::string asset(const testing::Step& step) const {
        return QDir::current()
            .relativeFilePath(assetPath(QString::fromStdString(step.word(0))))
            .toStdString();
    }
    std::string centre(const testing::Step& step) const {
        const QPoint at = fitPosition(size(step, 3), size(step, 0));
        return std::to_string(at.x()) + " " + std::to_string(at.y());
    }
    std::string scale(const testing::Step& step) const {
        return QString::number(fitScale(size(step, 0), step.size() > 2), 'g', 10).toStdString();
    }
    std::string x11(const testing::Step& step) const {
        const auto named = [&step](size_t at) {
            return QByteArray::fromStdString(step.word(at) == "-" ? "" : step.word(at));
        };
        return preferX11({named(0), named(1), named(2), named(3)}) ? "yes" : "no";
    }

    WorkingFolder folder_;
};

// File names, places, scales and the window system are as platform.txt says.
[[maybe_unused]] const bool platformRegistered =
    testing::registerTranscript<PlatformPlayer>(ZANDOLI_PLATFORM_DATA "/platform.txt");

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

// A picture shows at its own size times the run's scale, made from the
// smallest art at least that large, on top of the display's own ratio (the
// suite is run again with QT_SCALE_FACTOR=2 for this). Each size of the art
// is its own colour here, to tell which was used.
TEST(PictureBox, ShowsTheSmallestArtAtLeastAsLargeAsItShowsAtTheScaledSize) {
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    ASSERT_EQ(qApp->devicePixelRatio(), ratio);
    WorkingFolder folder;
    const QColor red(200, 40, 40), green(40, 200, 40), blue(40, 40, 200);
    folder.writePicture(QStringLiteral("Images/wdial.jpg"), QSize(400, 400), red);
    folder.writePicture(QStringLiteral("Images/wdial@2x.jpg"), QSize(800, 800), green);
    folder.writePicture(QStringLiteral("Images/wdial@3x.jpg"), QSize(1200, 1200), blue);
    folder.writePicture(QStringLiteral("Images/wsq6.jpg"), QSize(80, 120));
    struct Case {
        double scale;
        QSize shown;
        QColor art;       // at a ratio of 1
        QColor sharpArt;  // at a ratio of 2
    };
    for (const Case& c :
         {Case{1, {400, 400}, red, green}, Case{0.75, {300, 300}, red, green},
          Case{1.40625, {563, 563}, green, blue}, Case{2.8125, {1125, 1125}, blue, blue}}) {
        SCOPED_TRACE(c.scale);
        units::setScale(c.scale);
        QWidget window;
        PictureBox box(&window);
        ASSERT_TRUE(box.setPicture(QStringLiteral("Images\\wdial.jpg")));
        EXPECT_EQ(box.pixmap().devicePixelRatio(), ratio);
        EXPECT_EQ(box.size(), c.shown);
        EXPECT_LT(apart(box.pixmap().toImage().pixelColor(10, 10), ratio > 1 ? c.sharpArt : c.art),
                  30);
        // A picture drawn at one size only is stretched to where it belongs.
        ASSERT_TRUE(box.setPicture(QStringLiteral("images\\WSQ6.jpg")));
        EXPECT_EQ(box.size(), (QSizeF(80, 120) * c.scale).toSize());
    }
    units::setScale(1);
}

// A box that keeps its pictures Recent keeps only the last few used: one
// still among them shows as it was first read, one pushed out is read from
// its file again. A picture the box prepared is among them before it shows;
// a picture kept for the run is read once. Each file is rewritten green
// after its first reading, to tell a kept picture from one read again.
TEST(PictureBox, KeepsRecentPicturesOnlyAmongTheLastFewUsed) {
    WorkingFolder folder;
    const QColor red(200, 40, 40), green(40, 200, 40);
    const auto writeAll = [&folder](const QColor& colour) {
        folder.writePicture(QStringLiteral("Images/wdial.jpg"), QSize(8, 8), colour);
        for (int p = 0; p < 5; ++p) {
            folder.writePicture(QStringLiteral("Images/zandolit%1.jpg").arg(p), QSize(8, 8),
                                colour);
        }
    };
    const auto shows = [](PictureBox& box, int position, const QColor& colour) {
        const QString name = position < 0 ? QStringLiteral("Images\\wdial.jpg")
                                          : QStringLiteral("Images\\zandolit%1.jpg").arg(position);
        return box.setPicture(name) && apart(box.pixmap().toImage().pixelColor(4, 4), colour) < 30;
    };
    writeAll(red);
    QWidget window;
    PictureBox kept(&window);
    PictureBox recent(&window);
    recent.setKeeping(Keeping::Recent);
    EXPECT_TRUE(shows(kept, -1, red));
    EXPECT_TRUE(shows(recent, 0, red));
    recent.prepare(QStringLiteral("Images\\zandolit1.jpg"));
    QCoreApplication::sendPostedEvents(&recent);
    writeAll(green);

    EXPECT_TRUE(shows(kept, -1, red));
    EXPECT_TRUE(shows(recent, 1, red));
    EXPECT_TRUE(shows(recent, 0, red));
    EXPECT_TRUE(shows(recent, 2, green));
    EXPECT_TRUE(shows(recent, 3, green));
    EXPECT_TRUE(shows(recent, 4, green));
    // The last four used: 0, 2, 3 and 4.
    EXPECT_TRUE(shows(recent, 0, red));
    EXPECT_TRUE(shows(recent, 1, green));
}

// A choice said again at each start (a launcher's --lesson or --fullscreen)
// leaves the file as it is: writing it flushes it to disk.
TEST(Choices, AChoiceKeptAlreadyIsNotWrittenAgain) {
    const QString file = userSettings().fileName();
    const auto written = [&file] {
        struct stat status {};
        return ::stat(QFile::encodeName(file).constData(), &status) == 0
                   ? std::to_string(status.st_ino) + "." + std::to_string(status.st_mtim.tv_nsec)
                   : std::string();
    };
    keepChoice(QStringLiteral("kept/lesson"), QStringLiteral("name = Halves\nvalues = 1/2\n"));
    keepChoice(QStringLiteral("kept/on"), true);
    keepChoice(QStringLiteral("kept/game"), 3);
    const std::string first = written();
    ASSERT_FALSE(first.empty());
    keepChoice(QStringLiteral("kept/lesson"), QStringLiteral("name = Halves\nvalues = 1/2\n"));
    keepChoice(QStringLiteral("kept/on"), true);
    keepChoice(QStringLiteral("kept/game"), 3);
    EXPECT_EQ(written(), first);
    // A change, and a value set back to what it was, are written.
    keepChoice(QStringLiteral("kept/on"), false);
    EXPECT_EQ(userSettings().value(QStringLiteral("kept/on")).toString(), "false");
    EXPECT_NE(written(), first);
    keepChoice(QStringLiteral("kept/game"), QString());
    EXPECT_TRUE(userSettings().contains(QStringLiteral("kept/game")));
    EXPECT_EQ(userSettings().value(QStringLiteral("kept/game")).toString(), "");
}

}  // namespace
}  // namespace zandoli

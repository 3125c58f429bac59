#include <gtest/gtest.h>
#include <QDir>
#include <QStringList>
#include <memory>

#include "SoundPlayer.h"
#include "WorkingFolder.h"

namespace zandoli {
namespace {

// A voice that writes what is done to it into a shared log.
class LoggedVoice : public Voice {
public:
    LoggedVoice(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}
    void start() override { log_ << "start " + name_; }
    void stop() override { log_ << "stop " + name_; }

private:
    QString name_;
    QStringList& log_;
};

struct Recorder {
    QStringList log;
    QStringList made;
    SoundPlayer::VoiceMaker maker() {
        return [this](const QString& path) -> std::unique_ptr<Voice> {
            const QString name = QDir(QDir::currentPath()).relativeFilePath(path);
            if (!QFileInfo(path).isFile()) {
                return nullptr;
            }
            made << name;
            return std::make_unique<LoggedVoice>(name, log);
        };
    }
};

TEST(SoundPlayer, ANewSoundCutsOffTheOneBeforeAndEachFileLoadsOnce) {
    WorkingFolder folder;
    folder.touch(QStringLiteral("wav/click.wav"));
    folder.touch(QStringLiteral("wav/wheel4.wav"));
    Recorder recorder;
    SoundPlayer player(recorder.maker());

    player.play(QStringLiteral("wav\\wheel4.wav"));
    player.play(QStringLiteral("wav\\click.wav"));
    player.play(QStringLiteral("WAV\\CLICK.WAV"));

    EXPECT_EQ(recorder.log,
              QStringList({"start wav/wheel4.wav", "stop wav/wheel4.wav", "start wav/click.wav",
                           "stop wav/click.wav", "start wav/click.wav"}));
    EXPECT_EQ(recorder.made, QStringList({"wav/wheel4.wav", "wav/click.wav"}));
    EXPECT_TRUE(player.current().endsWith(QStringLiteral("/wav/click.wav")));
}

TEST(SoundPlayer, AMissingFileIsSilentButStillStopsTheSoundBefore) {
    WorkingFolder folder;
    folder.touch(QStringLiteral("wav/key.wav"));
    Recorder recorder;
    SoundPlayer player(recorder.maker());

    player.play(QStringLiteral("wav\\key.wav"));
    player.play(QStringLiteral("wav\\fanf3.wav"));
    EXPECT_EQ(recorder.log, QStringList({"start wav/key.wav", "stop wav/key.wav"}));
    EXPECT_TRUE(player.current().isEmpty());

    // Once the file is there it plays.
    folder.touch(QStringLiteral("wav/fanf3.wav"));
    player.play(QStringLiteral("wav\\fanf3.wav"));
    EXPECT_EQ(recorder.log.last(), QStringLiteral("start wav/fanf3.wav"));
}

}  // namespace
}  // namespace zandoli

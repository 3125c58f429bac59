#pragma once

#include <QDir>
#include <QStringList>

#include "platform/SoundPlayer.h"

namespace zandoli::testing {

// Every sound started while the log lives, by its path in the working
// folder, whether or not the file exists: the tests hear what the screens
// ask for, and nothing plays.
class SoundLog {
public:
    SoundLog() {
        SoundPlayer::instance().setVoiceMaker([this](const QString& path) {
            return std::make_unique<Logged>(QDir::current().relativeFilePath(path), started);
        });
    }
    ~SoundLog() { SoundPlayer::instance().setVoiceMaker(makeQtVoice); }
    Q_DISABLE_COPY(SoundLog)

    QStringList started;

private:
    struct Logged : Voice {
        Logged(QString name, QStringList& log) : name(std::move(name)), log(log) {}
        void start() override { log << name; }
        void stop() override {}
        QString name;
        QStringList& log;
    };
};

}  // namespace zandoli::testing

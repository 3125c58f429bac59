#include "platform/SoundPlayer.h"

#include <QCoreApplication>
#include <QLibrary>

#include "platform/Platform.h"

namespace zandoli {

SoundPlayer::SoundPlayer(VoiceMaker maker) : maker_(std::move(maker)) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& name) {
    if (!current_.isEmpty()) {
        auto playing = voices_.constFind(current_);
        if (playing != voices_.constEnd()) {
            (*playing)->stop();
        }
    }
    current_.clear();
    const QString path = assetPath(name);
    auto found = voices_.constFind(path);
    std::shared_ptr<Voice> voice;
    if (found != voices_.constEnd()) {
        voice = *found;
    } else {
        // A file that cannot be played is not remembered: it stays silent
        // now and is looked for again next time.
        voice = maker_ ? maker_(path) : nullptr;
        if (!voice) {
            return;
        }
        voices_.insert(path, voice);
    }
    current_ = path;
    voice->start();
}

void SoundPlayer::setVoiceMaker(VoiceMaker maker) {
    releaseVoices();
    maker_ = std::move(maker);
}

void SoundPlayer::releaseVoices() {
    voices_.clear();
    current_.clear();
}

SoundPlayer& SoundPlayer::instance() {
    // Never destroyed: when the display goes away Qt ends the process from
    // inside the event loop, and destroying media objects that late blocks
    // for ever. A normal exit releases the voices through the post routine.
    static SoundPlayer& player = *new SoundPlayer(makeQtVoice);
    static const bool registered = [] {
        qAddPostRoutine([] { player.releaseVoices(); });
        return true;
    }();
    (void)registered;
    return player;
}

std::unique_ptr<Voice> makeQtVoice(const QString& path) {
    // Qt Multimedia and the sound system behind it live in a module of their
    // own beside the program, loaded at the first sound, so that starting the
    // program does not wait for them. Without the module the game is silent.
    using Maker = Voice* (*)(const QString&);
    static const Maker maker = [] {
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/zandoli-sound"));
        return reinterpret_cast<Maker>(module.resolve("zandoli_makevoice"));
    }();
    return std::unique_ptr<Voice>(maker != nullptr ? maker(path) : nullptr);
}

void playWav(const QString& name) {
    SoundPlayer::instance().play(name);
}

}  // namespace zandoli

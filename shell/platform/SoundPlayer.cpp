#include "SoundPlayer.h"

#include <QCoreApplication>

#include "Platform.h"

namespace zandoli {

SoundPlayer::SoundPlayer(VoiceMaker maker) : maker_(std::move(maker)) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& written) {
    if (!current_.isEmpty()) {
        auto playing = voices_.constFind(current_);
        if (playing != voices_.constEnd()) {
            (*playing)->stop();
        }
    }
    current_.clear();
    const QString path = assetpath(written);
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

void SoundPlayer::setvoicemaker(VoiceMaker maker) {
    releasevoices();
    maker_ = std::move(maker);
}

void SoundPlayer::releasevoices() {
    voices_.clear();
    current_.clear();
}

SoundPlayer& SoundPlayer::instance() {
    static SoundPlayer player(makeqtvoice);
    static const bool registered = [] {
        qAddPostRoutine([] { player.releasevoices(); });
        return true;
    }();
    (void)registered;
    return player;
}

void playwav(const QString& written) {
    SoundPlayer::instance().play(written);
}

}  // namespace zandoli

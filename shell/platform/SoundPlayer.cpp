#include "SoundPlayer.h"

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
    voices_.clear();
    current_.clear();
    maker_ = std::move(maker);
}

SoundPlayer& SoundPlayer::instance() {
    static SoundPlayer player(makeqtvoice);
    return player;
}

void playwav(const QString& written) {
    SoundPlayer::instance().play(written);
}

}  // namespace zandoli

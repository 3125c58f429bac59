#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "platform/SoundPlayer.h"

namespace zandoli {

namespace {

// A QSoundEffect loads its file in the background; a start asked for before
// the file is ready is kept and carried out once it is, unless a stop came
// first.
class QtVoice : public Voice {
public:
    explicit QtVoice(const QString& path) {
        effect_.setSource(QUrl::fromLocalFile(path));
        QObject::connect(&effect_, &QSoundEffect::statusChanged, &effect_, [this] {
            if (pending_ && effect_.status() == QSoundEffect::Ready) {
                pending_ = false;
                effect_.play();
            }
        });
    }

    void start() override {
        if (effect_.status() == QSoundEffect::Ready) {
            effect_.play();
        } else {
            pending_ = effect_.status() != QSoundEffect::Error;
        }
    }

    void stop() override {
        pending_ = false;
        effect_.stop();
    }

private:
    QSoundEffect effect_;
    bool pending_ = false;
};

}  // namespace

}  // namespace zandoli

// The one entry point of the sound module: a new voice for a WAV file, or
// null when the file is missing. The caller owns the voice.
extern "C" zandoli::Voice* zandoli_makevoice(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return nullptr;
    }
    return new zandoli::QtVoice(path);
}

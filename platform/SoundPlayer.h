#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <memory>

namespace zandoli {

// One loaded sound that can be started from its beginning and stopped.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

// Plays the game's sounds one at a time: every file is loaded once into a
// voice and kept, and starting a sound stops the one started before it. It
// never asks a voice whether it is still playing (with no audio device the
// answer can stay "yes" for ever), it simply stops the last one started.
class SoundPlayer {
public:
    // Makes the voice for an absolute file path; null when the file cannot be
    // played, which makes that sound silent.
    using VoiceMaker = std::function<std::unique_ptr<Voice>(const QString& path)>;

    explicit SoundPlayer(VoiceMaker maker);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays a sound by its name in the game ("wav\click.wav", see assetPath).
    void play(const QString& name);
    // The path of the sound started last, empty when none or it was silent.
    const QString& current() const { return current_; }
    // Drops every loaded voice and loads later ones with `maker`.
    void setVoiceMaker(VoiceMaker maker);
    // Drops every loaded voice; the next play of a sound loads it again.
    void releaseVoices();

    // The player behind playWav, making Qt Multimedia voices. Its voices
    // are released as the application object goes, while the media system
    // they belong to still exists.
    static SoundPlayer& instance();

private:
    VoiceMaker maker_;
    QHash<QString, std::shared_ptr<Voice>> voices_;
    QString current_;
};

// A voice that plays a WAV file through Qt Multimedia; null when the file is
// missing.
std::unique_ptr<Voice> makeQtVoice(const QString& path);

}  // namespace zandoli

#include "assets/Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

#include "assets/Synth.h"
#include "assets/Wav.h"

namespace zandoli {

namespace {

using namespace synth;

constexpr double TWO_PI = 2 * std::numbers::pi;

// Clicks stay soft; the fanfare and the ding may be fuller. All stay well
// under full scale, so nothing clips on any sound card.
constexpr double SOFT_DB = -12;
constexpr double MEDIUM_DB = -6;
constexpr double FULL_DB = -3;

Samples silence(double secs) {
    return Samples(samplesFor(secs), 0.0);
}

Samples click() {
    Samples out = silence(0.04);
    Noise noise(11);
    addBurst(out, noise, 0, 3200, 2.0, 1.0, 0.0025);
    addPing(out, 0, 2400, 0.5, 0.005);
    return out;
}

// A lower, woodier tick for the check boxes, so the two clicks are told apart.
Samples click1() {
    Samples out = silence(0.035);
    Noise noise(12);
    addBurst(out, noise, 0, 1500, 3.0, 0.6, 0.003);
    addPing(out, 0, 1150, 0.7, 0.006);
    addPing(out, 0, 1780, 0.35, 0.004);
    return out;
}

// Cards riffling: quick flicks that swell and thin out, then the pack squared up.
Samples shuffle() {
    Samples out = silence(1.2);
    Noise noise(21);
    double t = 0.05;
    while (t < 0.92) {
        const double swell = std::sin(std::numbers::pi * (t - 0.05) / 0.9);
        addBurst(out, noise, t, noise.uniform(2200, 4200), 1.4,
                 (0.35 + 0.65 * swell) * noise.uniform(0.7, 1.0), 0.006);
        t += noise.uniform(0.014, 0.026);
    }
    LowPass soft(1800);
    for (size_t i = 0; i < out.size(); ++i) {
        const double s = seconds(i);
        const double bed = s < 0.95 ? std::sin(std::numbers::pi * s / 0.95) : 0.0;
        out[i] += 0.25 * bed * soft.run(noise.white());
    }
    addBurst(out, noise, 1.0, 500, 0.8, 0.9, 0.02);
    addPing(out, 1.0, 150, 0.4, 0.03);
    return out;
}

// A ratchet slowing to a stop: a click each time a peg passes the pawl.
Samples wheel() {
    Samples out = silence(2.4);
    Noise noise(31);
    constexpr double START_RATE = 22;  // pegs per second at full speed
    constexpr double STOP = 2.32;      // seconds until the wheel stands still
    double travelled = 0;
    LowPass whirr(900);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        const double speed = t < STOP ? START_RATE * std::pow(1 - t / STOP, 1.4) : 0.0;
        const double before = travelled;
        travelled += speed / SAMPLE_RATE;
        if (std::floor(travelled) > std::floor(before)) {
            const double loud = 0.55 + 0.45 * speed / START_RATE;
            addBurst(out, noise, t, 4200, 1.5, 0.8 * loud, 0.0015);
            addPing(out, t, 3100, 0.35 * loud, 0.004);
            addPing(out, t, 420, 0.3 * loud, 0.008);
        }
        out[i] += 0.12 * (speed / START_RATE) * whirr.run(noise.white());
    }
    return out;
}

// A bright bell: a few inharmonic partials, the high ones dying first.
Samples key() {
    Samples out = silence(1.4);
    constexpr double BASE = 1568;  // G6
    addPing(out, 0, BASE, 1.0, 0.42);
    addPing(out, 0, BASE * 2.0, 0.45, 0.22);
    addPing(out, 0, BASE * 2.76, 0.25, 0.12);
    addPing(out, 0, BASE * 5.4, 0.12, 0.05);
    addPing(out, 0, BASE * 0.5, 0.15, 0.3);
    return out;
}

// A card sliding out: noise whose colour rises as it passes, then lands.
Samples dealCard() {
    Samples out = silence(0.3);
    Noise noise(41);
    BandPass filter;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        const double rise = t / 0.24;
        const double level = t < 0.24 ? std::pow(std::sin(std::numbers::pi * rise), 2) : 0.0;
        out[i] += level * filter.run(noise.white(), 1400 + 3800 * std::min(rise, 1.0), 1.1);
    }
    addBurst(out, noise, 0.22, 900, 1.0, 0.5, 0.01);
    return out;
}

// A gentle "uh-oh": a soft tone that slides down an octave.
Samples boink() {
    Samples out = silence(0.65);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        const double hz =
            440 * std::pow(0.5, std::min(t / 0.45, 1.0)) * (1 + 0.015 * std::sin(TWO_PI * 6 * t));
        phase += TWO_PI * hz / SAMPLE_RATE;
        const double level = std::min(1.0, t / 0.02) * (t < 0.2 ? 1.0 : decay(t - 0.2, 0.16));
        out[i] = level * (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase));
    }
    return out;
}

// A card pressed onto the hand: a low thud with a short clack on top.
Samples stapler() {
    Samples out = silence(0.2);
    Noise noise(51);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        phase += TWO_PI * (80 + 80 * decay(t, 0.02)) / SAMPLE_RATE;
        out[i] += 0.9 * std::sin(phase) * decay(t, 0.045);
    }
    addBurst(out, noise, 0, 2000, 0.9, 0.8, 0.004);
    addPing(out, 0, 700, 0.4, 0.01);
    return out;
}

// A card pushed across the table: rough, grainy noise that swells and fades.
Samples scrape() {
    Samples out = silence(0.4);
    Noise noise(61);
    BandPass filter;
    LowPass grain(45);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        const double rough = std::abs(grain.run(noise.white())) * 6 + 0.3;
        const double level = std::sin(std::numbers::pi * t / 0.4);
        out[i] =
            level * rough * filter.run(noise.white(), 1700 + 500 * std::sin(TWO_PI * 3 * t), 0.8);
    }
    return out;
}

struct Note {
    double start;
    double length;
    int midi;
    double amplitude;
};

double midiHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A brassy note: harmonics that open up just after the attack, a touch of vibrato.
void addBrass(Samples& out, const Note& note) {
    constexpr int HARMONICS = 8;
    constexpr double RELEASE = 0.08;
    const double hz = midiHz(note.midi);
    const size_t first = samplesFor(note.start);
    const size_t length = std::min(out.size() - first, samplesFor(note.length + RELEASE));
    // The phase is integrated, so the vibrato bends the pitch without jumps.
    double phase = 0;
    for (size_t i = 0; i < length; ++i) {
        const double t = seconds(i);
        const double attack = std::min(1.0, t / 0.015);
        const double body = 0.75 + 0.25 * decay(t, 0.06);
        const double release = t > note.length ? 1 - (t - note.length) / RELEASE : 1.0;
        const double depth = 0.006 * std::clamp((t - 0.15) / 0.2, 0.0, 1.0);
        phase += TWO_PI * hz * (1 + depth * std::sin(TWO_PI * 5.5 * t)) / SAMPLE_RATE;
        const double brightness = std::min(1.0, t / 0.04);
        double s = 0;
        for (int k = 1; k <= HARMONICS; ++k) {
            const double weight = (k == 1 ? 1.0 : brightness) / std::pow(k, 1.3);
            s += weight * std::sin(k * phase);
        }
        out[first + i] += note.amplitude * attack * body * release * s;
    }
}

// Ta-ta-ta-taa, ta-TAAA: up the major chord and a held chord to finish.
Samples fanfare() {
    Samples out = silence(2.3);
    constexpr int C5 = 72, E5 = 76, G5 = 79, C6 = 84, C4 = 60, G4 = 67;
    const Note notes[] = {
        {0.00, 0.11, C5, 0.8},  {0.14, 0.11, E5, 0.8},  {0.28, 0.11, G5, 0.8},
        {0.42, 0.28, C6, 0.9},  {0.76, 0.11, G5, 0.75}, {0.90, 1.25, C6, 0.9},
        {0.90, 1.25, G5, 0.45}, {0.90, 1.25, E5, 0.45}, {0.90, 1.25, C5, 0.4},
        {0.90, 1.25, C4, 0.35}, {0.90, 1.25, G4, 0.3},
    };
    for (const Note& note : notes) {
        addBrass(out, note);
    }
    return out;
}

struct Recipe {
    const char* file;
    std::function<Samples()> make;
    double peakDb;
    double fadeOutMs;
};

}  // namespace

bool writeSounds(const std::string& wavFolder) {
    const Recipe recipes[] = {
        {"click.wav", click, SOFT_DB, 5},         {"click1.wav", click1, SOFT_DB, 5},
        {"shuffle4.wav", shuffle, MEDIUM_DB, 30}, {"wheel4.wav", wheel, MEDIUM_DB, 30},
        {"key.wav", key, FULL_DB, 150},           {"dealcard.wav", dealCard, MEDIUM_DB, 20},
        {"boink.wav", boink, MEDIUM_DB, 40},      {"stapler.wav", stapler, FULL_DB, 20},
        {"scrape.wav", scrape, MEDIUM_DB, 20},    {"fanf3.wav", fanfare, FULL_DB, 80},
    };
    bool ok = true;
    for (const Recipe& recipe : recipes) {
        Samples samples = recipe.make();
        normalise(samples, recipe.peakDb);
        fade(samples, 1, recipe.fadeOutMs);
        const std::string path = wavFolder + "/" + recipe.file;
        if (!writeWav(path, samples)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ok = false;
        }
    }
    return ok;
}

}  // namespace zandoli

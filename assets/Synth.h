#pragma once

#include <cstdint>

#include "assets/Wav.h"

namespace zandoli::synth {

// A fixed-seed generator, so every build synthesises the same bytes.
class Noise {
public:
    explicit Noise(uint64_t seed) : state(seed ? seed : 1) {}
    double white();                           // -1 .. 1
    double uniform(double low, double high);  // low .. high

private:
    uint64_t state;
};

// A resonant band-pass (two-pole, constant peak gain); its centre may move per sample.
class BandPass {
public:
    double run(double in, double centreHz, double q);

private:
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A one-pole low-pass.
class LowPass {
public:
    explicit LowPass(double cutoffHz);
    double run(double in);

private:
    double a;
    double y = 0;
};

inline double seconds(size_t sample) {
    return static_cast<double>(sample) / SAMPLE_RATE;
}
inline size_t samplesFor(double secs) {
    return static_cast<size_t>(secs * SAMPLE_RATE);
}

// exp(-t / tau) for t >= 0, 0 before.
double decay(double t, double tau);

// Adds a decaying sine partial starting at `start` seconds.
void addPing(Samples& out, double start, double hz, double amplitude, double tau);

// Adds a burst of band-passed noise starting at `start` seconds.
void addBurst(Samples& out, Noise& noise, double start, double centreHz, double q, double amplitude,
              double tau);

}  // namespace zandoli::synth

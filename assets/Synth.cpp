#include "assets/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zandoli::synth {

double Noise::white() {
    // xorshift64*
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    const uint64_t bits = state * 2685821657736338717ULL;
    return static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 52) - 1.0;
}

double Noise::uniform(double low, double high) {
    return low + (white() + 1.0) / 2.0 * (high - low);
}

double BandPass::run(double in, double centreHz, double q) {
    const double w = 2 * std::numbers::pi * centreHz / SAMPLE_RATE;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double y = (alpha * in - alpha * x2 + 2 * std::cos(w) * y1 - (1 - alpha) * y2) / a0;
    x2 = x1;
    x1 = in;
    y2 = y1;
    y1 = y;
    return y;
}

LowPass::LowPass(double cutoffHz)
    : a(1 - std::exp(-2 * std::numbers::pi * cutoffHz / SAMPLE_RATE)) {}

double LowPass::run(double in) {
    y += a * (in - y);
    return y;
}

double decay(double t, double tau) {
    return t < 0 ? 0 : std::exp(-t / tau);
}

void addPing(Samples& out, double start, double hz, double amplitude, double tau) {
    const size_t first = samplesFor(start);
    const size_t length = std::min(out.size() - std::min(out.size(), first), samplesFor(tau * 8));
    for (size_t i = 0; i < length; ++i) {
        const double t = seconds(i);
        out[first + i] += amplitude * std::sin(2 * std::numbers::pi * hz * t) * decay(t, tau);
    }
}

void addBurst(Samples& out, Noise& noise, double start, double centreHz, double q, double amplitude,
              double tau) {
    BandPass filter;
    const size_t first = samplesFor(start);
    const size_t length = std::min(out.size() - std::min(out.size(), first), samplesFor(tau * 8));
    for (size_t i = 0; i < length; ++i) {
        const double t = seconds(i);
        // A half-millisecond attack keeps the burst from starting on a step.
        const double attack = std::min(1.0, t / 0.0005);
        out[first + i] +=
            amplitude * attack * filter.run(noise.white(), centreHz, q) * decay(t, tau);
    }
}

}  // namespace zandoli::synth

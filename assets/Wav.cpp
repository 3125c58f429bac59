#include "assets/Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace zandoli {

namespace {

void put16(std::ofstream& out, uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, uint32_t v) {
    put16(out, static_cast<uint16_t>(v & 0xffff));
    put16(out, static_cast<uint16_t>(v >> 16));
}

}  // namespace

void normalise(Samples& samples, double peakDb) {
    double peak = 0;
    for (double s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    if (peak == 0) {
        return;
    }
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& s : samples) {
        s *= gain;
    }
}

void fade(Samples& samples, double inMs, double outMs) {
    const auto ramp = [&](double ms) {
        return std::min(samples.size() / 2, static_cast<size_t>(ms * SAMPLE_RATE / 1000.0));
    };
    const size_t in = ramp(inMs);
    const size_t out = ramp(outMs);
    for (size_t i = 0; i < in; ++i) {
        samples[i] *= static_cast<double>(i) / in;
    }
    for (size_t i = 0; i < out; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<double>(i) / out;
    }
}

bool writeWav(const std::string& path, const Samples& samples) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        return false;
    }
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);  // plain PCM format chunk
    put16(out, 1);   // PCM
    put16(out, 1);   // mono
    put32(out, SAMPLE_RATE);
    put32(out, SAMPLE_RATE * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const long q = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(q)));
    }
    return static_cast<bool>(out);
}

}  // namespace zandoli

#pragma once

#include <string>
#include <vector>

namespace zandoli {

// Mono samples in -1 .. 1 at SAMPLE_RATE.
using Samples = std::vector<double>;
inline constexpr int SAMPLE_RATE = 44100;

// Scales the sound so its loudest sample sits at `peakDb` dBFS (a negative number).
void normalise(Samples& samples, double peakDb);

// Ramps the first and last few milliseconds, so no sound starts or stops with a click.
void fade(Samples& samples, double inMs, double outMs);

// Writes 16-bit PCM mono. Returns false when the file cannot be written.
bool writeWav(const std::string& path, const Samples& samples);

}  // namespace zandoli

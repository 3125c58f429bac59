// The generated sounds, read back as the plain 16-bit PCM files they must be.
#include <gtest/gtest.h>

#include <QFile>
#include <cmath>
#include <cstring>
#include <vector>

#include "tests/assets/PixelMeasure.h"

namespace zandoli::testing {
namespace {

uint32_t le(const QByteArray& bytes, qsizetype at, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    }
    return v;
}

// The samples of a canonical mono 16-bit PCM file; fails the test on anything else.
std::vector<int16_t> samples(const QString& name, double* seconds = nullptr) {
    QFile file(asset("wav/" + name));
    const QByteArray b = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const bool pcm = b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " &&
                     le(b, 20, 2) == 1 && le(b, 22, 2) == 1 && le(b, 34, 2) == 16 &&
                     (le(b, 24, 4) == 22050 || le(b, 24, 4) == 44100) && b.mid(36, 4) == "data" &&
                     le(b, 40, 4) == b.size() - 44 && le(b, 4, 4) == b.size() - 8;
    if (!pcm) {
        ADD_FAILURE() << name.toStdString() << " is not a mono 16-bit PCM file";
        return {};
    }
    std::vector<int16_t> s(le(b, 40, 4) / 2);
    std::memcpy(s.data(), b.constData() + 44, s.size() * 2);
    if (seconds != nullptr) {
        *seconds = double(s.size()) / le(b, 24, 4);
    }
    return s;
}

TEST(Sounds, EverySoundIsAudibleUnclippedAndAsLongAsItsMoment) {
    const std::tuple<QString, double, double> sounds[] = {
        {"click.wav", 0.01, 0.15}, {"click1.wav", 0.01, 0.15}, {"shuffle4.wav", 1.0, 1.4},
        {"wheel4.wav", 2.2, 2.6},  {"key.wav", 0.3, 1.5},      {"dealcard.wav", 0.1, 0.6},
        {"boink.wav", 0.2, 1.0},   {"stapler.wav", 0.05, 0.4}, {"scrape.wav", 0.15, 0.8},
        {"fanf3.wav", 1.5, 3.0},
    };
    const int minusOneDb = int(32767 * std::pow(10.0, -1 / 20.0));
    for (const auto& [name, shortest, longest] : sounds) {
        SCOPED_TRACE(name.toStdString());
        double seconds = 0;
        const std::vector<int16_t> wave = samples(name, &seconds);
        ASSERT_FALSE(wave.empty());
        EXPECT_GE(seconds, shortest);
        EXPECT_LE(seconds, longest);
        int peak = 0;
        double energy = 0;
        for (int16_t s : wave) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        EXPECT_LE(peak, minusOneDb) << "peak above -1 dBFS";
        EXPECT_GT(peak, 32767 / 10) << "quieter than -20 dBFS";
        EXPECT_GT(std::sqrt(energy / wave.size()), 32767 / 1000.0) << "silent";
        // Starting or stopping away from zero is heard as a click.
        EXPECT_LT(std::abs(int(wave.front())), 330);
        EXPECT_LT(std::abs(int(wave.back())), 330);
    }
    EXPECT_NE(samples("click.wav"), samples("click1.wav"));
}

}  // namespace
}  // namespace zandoli::testing

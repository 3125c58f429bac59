#include <gtest/gtest.h>

#include <QFile>
#include <cmath>
#include <cstring>
#include <vector>

#include "PixelMeasure.h"

namespace zandoli::testing {
namespace {

struct Wave {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;
    double seconds() const { return rate ? double(samples.size()) / rate : 0; }
};

uint32_t le(const QByteArray& bytes, qsizetype at, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
    }
    return v;
}

// Walks the RIFF chunks; fails the test on anything but 16-bit PCM.
Wave readwave(const QString& path) {
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing " << path.toStdString();
        return wave;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        ADD_FAILURE() << "not a WAV file: " << path.toStdString();
        return wave;
    }
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            ADD_FAILURE() << "chunk runs past the end: " << path.toStdString();
            return wave;
        }
        if (id == "fmt ") {
            EXPECT_EQ(le(bytes, body, 2), 1u) << "PCM " << path.toStdString();
            wave.channels = int(le(bytes, body + 2, 2));
            wave.rate = int(le(bytes, body + 4, 4));
            wave.bits = int(le(bytes, body + 14, 2));
        } else if (id == "data") {
            wave.samples.resize(size / 2);
            std::memcpy(wave.samples.data(), bytes.constData() + body, wave.samples.size() * 2);
        }
        at = body + size + (size & 1);
    }
    return wave;
}

struct Expected {
    const char* file;
    double shortest;
    double longest;
};

TEST(Sounds, EverySoundIsCleanPcmAudibleUnclippedAndAsLongAsItsMoment) {
    const Expected sounds[] = {
        {"click.wav", 0.01, 0.15}, {"click1.wav", 0.01, 0.15}, {"shuffle4.wav", 1.0, 1.4},
        {"wheel4.wav", 2.2, 2.6},  {"key.wav", 0.3, 1.5},      {"dealcard.wav", 0.1, 0.6},
        {"boink.wav", 0.2, 1.0},   {"stapler.wav", 0.05, 0.4}, {"scrape.wav", 0.15, 0.8},
        {"fanf3.wav", 1.5, 3.0},
    };
    const int minusonedb = int(32767 * std::pow(10.0, -1 / 20.0));
    for (const Expected& expected : sounds) {
        SCOPED_TRACE(expected.file);
        const Wave wave = readwave(asset(QString("wav/") + expected.file));
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bits, 16);
        EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100) << wave.rate;
        ASSERT_FALSE(wave.samples.empty());
        EXPECT_GE(wave.seconds(), expected.shortest);
        EXPECT_LE(wave.seconds(), expected.longest);

        int peak = 0;
        double energy = 0;
        for (int16_t s : wave.samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        const double rms = std::sqrt(energy / wave.samples.size());
        EXPECT_LE(peak, minusonedb) << "peak above -1 dBFS";
        EXPECT_GT(peak, 32767 / 10) << "quieter than -20 dBFS: too soft to hear in a classroom";
        EXPECT_GT(rms, 32767 / 1000.0) << "silent";
        // Starting or stopping away from zero is heard as a click.
        EXPECT_LT(std::abs(int(wave.samples.front())), 330);
        EXPECT_LT(std::abs(int(wave.samples.back())), 330);
    }
}

TEST(Sounds, TheTwoClicksAreDifferentSounds) {
    const Wave a = readwave(asset("wav/click.wav"));
    const Wave b = readwave(asset("wav/click1.wav"));
    EXPECT_NE(a.samples, b.samples);
}

}  // namespace
}  // namespace zandoli::testing

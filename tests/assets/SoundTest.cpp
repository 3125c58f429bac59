// The generated sounds, read back as the plain 16-bit PCM files they must be.
#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <cmath>

namespace zandoli::testing {
namespace {

QByteArray wav(const char* name) {
    QFile file(ZANDOLI_ASSET_DIR "/wav/" + QString(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(Sounds, EverySoundIsAudibleUnclippedAndAsLongAsItsMoment) {
    const std::tuple<const char*, double, double> sounds[] = {
        {"click.wav", 0.01, 0.15}, {"click1.wav", 0.01, 0.15}, {"shuffle4.wav", 1.0, 1.4},
        {"wheel4.wav", 2.2, 2.6},  {"key.wav", 0.3, 1.5},      {"dealcard.wav", 0.1, 0.6},
        {"boink.wav", 0.2, 1.0},   {"stapler.wav", 0.05, 0.4}, {"scrape.wav", 0.15, 0.8},
        {"fanf3.wav", 1.5, 3.0},
    };
    const int minusOneDb = int(32767 * std::pow(10.0, -1 / 20.0));
    for (const auto& [name, shortest, longest] : sounds) {
        SCOPED_TRACE(name);
        const QByteArray b = wav(name);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
        ASSERT_TRUE(b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " &&
                    u16(20) == 1 && u16(22) == 1 && u16(34) == 16 &&
                    (u32(24) == 22050 || u32(24) == 44100) && b.mid(36, 4) == "data" &&
                    u32(40) == b.size() - 44 && u32(4) == b.size() - 8)
            << "not a mono 16-bit PCM file";
        QList<int> wave;
        for (qsizetype at = 44; at < b.size(); at += 2) {
            wave << qFromLittleEndian<qint16>(b.constData() + at);
        }
        EXPECT_GE(double(wave.size()) / u32(24), shortest);
        EXPECT_LE(double(wave.size()) / u32(24), longest);
        int peak = 0;
        double energy = 0;
        for (int s : wave) {
            peak = std::max(peak, std::abs(s));
            energy += double(s) * s;
        }
        EXPECT_LE(peak, minusOneDb) << "peak above -1 dBFS";
        EXPECT_GT(peak, 32767 / 10) << "quieter than -20 dBFS";
        EXPECT_GT(std::sqrt(energy / wave.size()), 32767 / 1000.0) << "silent";
        // Starting or stopping away from zero is heard as a click.
        EXPECT_LT(std::abs(wave.front()), 330);
        EXPECT_LT(std::abs(wave.back()), 330);
    }
    EXPECT_NE(wav("click.wav"), wav("click1.wav"));
}

}  // namespace
}  // namespace zandoli::testing

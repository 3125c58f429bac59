// The generated sounds, printable rules and about page, read back from the
// files the build wrote: the sounds as the plain 16-bit PCM files they must
// be, each as long as sounds.txt says, the texts as a reader sees them,
// written out in rules_en.txt and about_en.txt. That the generator writes
// the same bytes on every run is same_bytes_test.sh.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtEndian>
#include <cmath>
#include <numeric>

#include "assets/AboutPage.h"
#include "assets/RulesDocument.h"

namespace zandoli::testing {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// What a reader of a page sees, in order: each heading, paragraph and list
// item as "tag: text" (a link's words belong to the block around it) and
// each attribute as "tag attribute: value"; the style sheet is not read.
// Markup that is not well formed fails the test.
QStringList readPage(const QString& html) {
    QStringList seen;
    QXmlStreamReader xml(html);
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            seen << QString("%1 %2: %3").arg(xml.name(), attribute.name(), attribute.value());
        }
        if (xml.isStartElement() && xml.name() != QLatin1String("a")) {
            text.clear();
        } else if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isEndElement() && xml.name() != QLatin1String("a")) {
            if (xml.name() != QLatin1String("style") && !text.trimmed().isEmpty()) {
                seen << QString("%1: %2").arg(xml.name(), text.trimmed());
            }
            text.clear();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return seen;
}

TEST(RulesDocument, IsBalancedRtfHoldingTheRulesAndTheTableOfValuesInOrder) {
    QString rtf = QString::fromUtf8(readAll(ZANDOLI_ASSET_DIR "/Zandoli Rules.doc"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    // The document as a reader sees it: the heading, the introduction, the
    // subheading, the six rules, then the table of values with its cells
    // split by " | ".
    const QByteArray rules = readAll(ZANDOLI_TEST_DATA "/rules_en.txt");
    qsizetype last = 0;
    for (QString text : QString::fromUtf8(rules).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype at = rtf.indexOf(text.replace(" | ", "\\cell "), last);
        EXPECT_GE(at, last) << "missing or out of order: " << text.toStdString();
        last = std::max(at, last);
    }
    // The braces nest and close; an escaped brace or backslash does not count.
    int depth = 0;
    rtf.remove(QRegularExpression(R"(\\[\\{}])"));
    for (QChar c : rtf) {
        depth += (c == '{') - (c == '}');
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

// The page as a reader sees it is about_en.txt, where @VERSION@ stands for
// the version built and @HOMEPAGE@, @CONTACT_EMAIL@ and @BUG_TRACKER@ for the
// project's addresses; its "How to play" is the rules of rules_en.txt, whole
// and in the rules screen's order.
TEST(AboutPage, IsWellFormedUtf8ReadingAsAboutEnTxt) {
    const QString html = QString::fromUtf8(readAll(ZANDOLI_ASSET_DIR "/" ZANDOLI_ABOUT_PAGE));
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
    QString expected = QString::fromUtf8(readAll(ZANDOLI_TEST_DATA "/about_en.txt"));
    expected.replace("@VERSION@", ZANDOLI_VERSION)
        .replace("@HOMEPAGE@", ZANDOLI_HOMEPAGE)
        .replace("@CONTACT_EMAIL@", ZANDOLI_CONTACT_EMAIL)
        .replace("@BUG_TRACKER@", ZANDOLI_BUG_TRACKER);
    EXPECT_EQ(readPage(html).join('\n').toStdString(), expected.trimmed().toStdString());
}

TEST(Escaping, MarkupAndRtfControlsAreEscapedAndOtherTextIsKeptAsItIs) {
    EXPECT_EQ(
        htmlEscape("0.5 < 3/4 & \"75%\" > 1/2 &amp; the player's \u00bd \u2014 \u25a0"),
        "0.5 &lt; 3/4 &amp; &quot;75%&quot; &gt; 1/2 &amp;amp; the player's \u00bd \u2014 \u25a0");
    // RTF reads \u as a signed 16-bit number.
    EXPECT_EQ(rtfEscape("plain 'quoted' \"text\" 50% a{b}\\c \u00bd\u25a0\uff0bx"),
              "plain 'quoted' \"text\" 50% a\\{b\\}\\\\c \\u189?\\u9632?\\u-245?x");
    // What the about page is made of is escaped too: a version with markup
    // in it reads as text.
    EXPECT_TRUE(readPage(QString::fromStdString(aboutPage("1.0 <beta> & co")))
                    .contains("p: Version 1.0 <beta> & co"));
}

TEST(Sounds, EverySoundIsAudibleUnclippedAndAsLongAsItsMoment) {
    // sounds.txt: each sound with its shortest and longest length in seconds.
    const QString sounds = QString::fromUtf8(readAll(ZANDOLI_TEST_DATA "/sounds.txt"));
    const int minusOneDb = int(32767 * std::pow(10.0, -1 / 20.0));
    for (const QString& line : sounds.split('\n', Qt::SkipEmptyParts)) {
        SCOPED_TRACE(line.toStdString());
        const QStringList sound = line.split(' ');
        const QByteArray b = readAll(ZANDOLI_ASSET_DIR "/wav/" + sound[0]);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
        ASSERT_TRUE(b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " &&
                    u16(20) == 1 && u16(22) == 1 && u16(34) == 16 &&
                    (u32(24) == 22050 || u32(24) == 44100) && b.mid(36, 4) == "data" &&
                    u32(40) == b.size() - 44 && u32(4) == b.size() - 8)
            << "not a mono 16-bit PCM file";
        QList<qint16> wave((b.size() - 44) / 2);
        qFromLittleEndian<qint16>(b.constData() + 44, wave.size(), wave.data());
        const int peak = std::abs(std::ranges::max(wave, {}, [](int s) { return std::abs(s); }));
        const double energy = std::inner_product(wave.begin(), wave.end(), wave.begin(), 0.0);
        EXPECT_GE(double(wave.size()) / u32(24), sound[1].toDouble());
        EXPECT_LE(double(wave.size()) / u32(24), sound[2].toDouble());
        EXPECT_LE(peak, minusOneDb) << "peak above -1 dBFS";
        EXPECT_GT(peak, 32767 / 10) << "quieter than -20 dBFS";
        EXPECT_GT(std::sqrt(energy / wave.size()), 32767 / 1000.0) << "silent";
        // Starting or stopping away from zero is heard as a click.
        EXPECT_LT(std::abs(wave.front()), 330);
        EXPECT_LT(std::abs(wave.back()), 330);
    }
    EXPECT_NE(readAll(ZANDOLI_ASSET_DIR "/wav/click.wav"),
              readAll(ZANDOLI_ASSET_DIR "/wav/click1.wav"));
}

}  // namespace
}  // namespace zandoli::testing

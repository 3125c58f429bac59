// The generated sounds, printable rules and about page, read back from the
// files the build wrote: the sounds as the plain 16-bit PCM files they must
// be, the texts against the English rules document as a reader sees it,
// written out in rules_en.txt. That the generator writes the same bytes on
// every run is same_bytes_test.sh.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtEndian>
#include <cmath>

#include "assets/AboutPage.h"
#include "assets/RulesDocument.h"

namespace zandoli::testing {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The rules document's lines: the heading, the introduction, the subheading,
// the six rules, then the table of values with its cells split by " | ".
QStringList englishRules() {
    return QString::fromUtf8(readAll(ZANDOLI_TEST_DATA "/rules_en.txt"))
        .split('\n', Qt::SkipEmptyParts);
}

// What a reader of a page sees, in order: each heading, paragraph and list
// item as "tag: text" (a link's words belong to the block around it) and
// each attribute as "tag attribute: value". Markup that is not well formed
// fails the test.
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
        } else if (xml.isEndElement() && xml.name() != QLatin1String("a") &&
                   !text.trimmed().isEmpty()) {
            seen << QString("%1: %2").arg(xml.name(), text.trimmed());
            text.clear();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return seen;
}

TEST(RulesDocument, IsBalancedRtfHoldingTheRulesAndTheTableOfValuesInOrder) {
    QString rtf = QString::fromUtf8(readAll(ZANDOLI_ASSET_DIR "/Zandoli Rules.doc"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    qsizetype last = 0;
    for (QString text : englishRules()) {
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

TEST(AboutPage, IsWellFormedUtf8TeachingTheRulesAndNamingVersionLicenceAndMakers) {
    const QString html = QString::fromUtf8(readAll(ZANDOLI_ASSET_DIR "/" ZANDOLI_ABOUT_PAGE));
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
    const QStringList page = readPage(html);
    // How to play: the introduction, then each rule as an item, whole and in
    // the rules screen's order.
    const QStringList rules = englishRules();
    ASSERT_GE(rules.size(), 9);
    QStringList howToPlay = {"h2: How to play", "p: " + rules[1]};
    for (const QString& rule : rules.mid(3, 6)) {
        howToPlay << "li: " + rule;
    }
    EXPECT_EQ(page.mid(page.indexOf(howToPlay.front()), howToPlay.size()), howToPlay);
    for (const char* seen :
         {"meta charset: utf-8", "title: About Zandoli?", "h1: Zandoli?",
          "p: Version " ZANDOLI_VERSION, "li: Made by the Zandoli developers."}) {
        EXPECT_TRUE(page.contains(seen)) << seen;
    }
    EXPECT_EQ(page.filter("(GPL-3.0-or-later)").size(), 1);
    EXPECT_EQ(page.filter("made by the game's own code").size(), 1);
    EXPECT_EQ(page.filter("a href: "),
              QStringList({"a href: file:///usr/share/common-licenses/GPL-3",
                           "a href: https://www.gnu.org/licenses/gpl-3.0.html"}));
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
    const std::tuple<const char*, double, double> sounds[] = {
        {"click.wav", 0.01, 0.15}, {"click1.wav", 0.01, 0.15}, {"shuffle4.wav", 1.0, 1.4},
        {"wheel4.wav", 2.2, 2.6},  {"key.wav", 0.3, 1.5},      {"dealcard.wav", 0.1, 0.6},
        {"boink.wav", 0.2, 1.0},   {"stapler.wav", 0.05, 0.4}, {"scrape.wav", 0.15, 0.8},
        {"fanf3.wav", 1.5, 3.0},
    };
    const int minusOneDb = int(32767 * std::pow(10.0, -1 / 20.0));
    for (const auto& [name, shortest, longest] : sounds) {
        SCOPED_TRACE(name);
        const QByteArray b = readAll(ZANDOLI_ASSET_DIR "/wav/" + QString(name));
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
        ASSERT_TRUE(b.size() > 44 && b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " &&
                    u16(20) == 1 && u16(22) == 1 && u16(34) == 16 &&
                    (u32(24) == 22050 || u32(24) == 44100) && b.mid(36, 4) == "data" &&
                    u32(40) == b.size() - 44 && u32(4) == b.size() - 8)
            << "not a mono 16-bit PCM file";
        QList<int> wave;
        int peak = 0;
        double energy = 0;
        for (qsizetype at = 44; at < b.size(); at += 2) {
            wave << qFromLittleEndian<qint16>(b.constData() + at);
            peak = std::max(peak, std::abs(wave.back()));
            energy += double(wave.back()) * wave.back();
        }
        EXPECT_GE(double(wave.size()) / u32(24), shortest);
        EXPECT_LE(double(wave.size()) / u32(24), longest);
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

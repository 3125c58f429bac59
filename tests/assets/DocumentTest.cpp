// The printable rules and the about page, read from the files the build
// wrote and held against the English rules document as a reader sees it,
// written out in rules_en.txt; and the area models behind the shaded shapes.
// That the generator writes the same bytes on every run is same_bytes_test.sh.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>
#include <set>
#include <stdexcept>

#include "assets/AboutPage.h"
#include "assets/AreaModel.h"
#include "assets/RulesDocument.h"

namespace zandoli::testing {
namespace {

QString readText(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The rules document's lines: the heading, the introduction, the subheading,
// the six rules, then the table of values with its cells split by " | ".
QStringList englishRules() {
    return readText(ZANDOLI_TEST_DATA "/rules_en.txt").split('\n', Qt::SkipEmptyParts);
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
    const QString rtf = readText(ZANDOLI_ASSET_DIR "/Zandoli Rules.doc");
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    qsizetype last = 0;
    for (QString text : englishRules()) {
        const qsizetype at = rtf.indexOf(text.replace(" | ", "\\cell "), last);
        EXPECT_GE(at, last) << "missing or out of order: " << text.toStdString();
        last = std::max(at, last);
    }
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash does not nest
        } else {
            depth += (rtf[i] == '{') - (rtf[i] == '}');
            EXPECT_GE(depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
}

TEST(AboutPage, IsWellFormedUtf8TeachingTheRulesAndNamingVersionLicenceAndMakers) {
    const QString html = readText(ZANDOLI_ASSET_DIR "/" ZANDOLI_ABOUT_PAGE);
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
    EXPECT_EQ(rtfEscape("plain 'quoted' \"text\" 50% a{b}\\c \u00bd\u25a0x"),
              "plain 'quoted' \"text\" 50% a\\{b\\}\\\\c \\u189?\\u9632?x");
    EXPECT_EQ(rtfEscape("\uff0b"), "\\u-245?");  // RTF reads \u as a signed 16-bit number
    // What the about page is made of is escaped too: a version with markup
    // in it reads as text.
    EXPECT_TRUE(readPage(QString::fromStdString(aboutPage("1.0 <beta> & co")))
                    .contains("p: Version 1.0 <beta> & co"));
}

TEST(AreaModel, EveryShapeIsCutIntoEqualPartsShadingExactlyItsValue) {
    std::set<AreaModel::Kind> kinds;
    for (double value : {0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75, 0.8, 0.9, 1.0}) {
        const AreaModel model = areaModel(value);
        EXPECT_NEAR(model.share(), value, 1e-12) << value;
        EXPECT_GE(model.parts(), 2) << value;
        kinds.insert(model.kind);
    }
    EXPECT_EQ(kinds.size(), 3u);  // circles, bars and grids
    EXPECT_THROW(areaModel(1.0 / 3.0), std::invalid_argument);
}

}  // namespace
}  // namespace zandoli::testing

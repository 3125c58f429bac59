// The about page the set-up screen opens when the build names no web
// address: well-formed, in UTF-8, and saying what a player needs to know.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

#include "assets/AboutPage.h"
#include "tests/assets/PixelMeasure.h"

namespace zandoli::testing {
namespace {

// What a reader of the page sees: the headings, paragraphs and list items in
// order, each as "tag: text" (a link's words belong to the block around it),
// where the links lead, the character set, and any error in the markup.
struct ReadPage {
    QStringList blocks;
    QStringList links;
    QString charset;
    QString error;
};

ReadPage readPage(const QByteArray& html) {
    ReadPage page;
    QXmlStreamReader xml(html);
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto attributes = xml.attributes();
        if (xml.isStartElement() && xml.name() == QLatin1String("a")) {
            page.links << attributes.value(QLatin1String("href")).toString();
        } else if (xml.isStartElement()) {
            text.clear();
            page.charset = attributes.hasAttribute("charset")
                               ? attributes.value("charset").toString()
                               : page.charset;
        } else if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isEndElement() && xml.name() != QLatin1String("a") &&
                   !text.trimmed().isEmpty()) {
            page.blocks << xml.name().toString() + ": " + text.trimmed();
            text.clear();
        }
    }
    page.error = xml.hasError() ? xml.errorString() : QString();
    return page;
}

bool has(const ReadPage& page, const char* tag, const QString& text) {
    return page.blocks.contains(QLatin1String(tag) + ": " + text);
}

TEST(AboutPage, IsWellFormedUtf8NamingTheGameItsVersionLicenceAndMakers) {
    QFile file(asset(QStringLiteral(ZANDOLI_ABOUT_PAGE)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray html = file.readAll();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>\n<html lang=\"en\">"));
    const ReadPage page = readPage(html);
    ASSERT_EQ(page.error, QString());
    EXPECT_EQ(page.charset, "utf-8");
    EXPECT_TRUE(has(page, "title", "About Zandoli?"));
    EXPECT_TRUE(has(page, "h1", "Zandoli?"));
    EXPECT_TRUE(has(page, "p", QStringLiteral("Version " ZANDOLI_VERSION)));
    EXPECT_EQ(page.blocks.filter("(GPL-3.0-or-later)").size(), 1);
    EXPECT_TRUE(page.links.contains("file:///usr/share/common-licenses/GPL-3"));
    EXPECT_TRUE(page.links.contains("https://www.gnu.org/licenses/gpl-3.0.html"));
    EXPECT_TRUE(has(page, "li", "Made by the Zandoli developers."));
    EXPECT_EQ(page.blocks.filter("made by the game's own code").size(), 1);
}

TEST(AboutPage, TeachesTheRulesInTheRulesScreensWordsAndOrder) {
    QFile file(asset(QStringLiteral(ZANDOLI_ABOUT_PAGE)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ReadPage page = readPage(file.readAll());
    EXPECT_TRUE(has(page, "h2", "How to play"));
    // The introduction, then each rule as an item, whole and in order.
    const std::vector<std::pair<const char*, const char*>> rules = {
        {"p",
         "Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing "
         "the correct number of players. Play runs in the following sequence: Blue, Yellow, "
         "Magenta, Green."},
        {"li",
         "The computer shuffles the cards and deals 7 cards to each player. The smaller card "
         "towards the top of the screen represents the rest of the pack of cards."},
        {"li",
         "Players take it in turns to spin the spinner. If the spinner points to a shaded shape, "
         "the player can discard all their equivalent cards. To do this the player clicks on the "
         "card and it will disappear. For example, if the shape is half shaded, the player can "
         "click on the cards showing 0.5, 50%, 1/2 or the half shaded tile card to discard them. "
         "If the player clicks on an incorrect card, their turn ends and the turn passes to the "
         "next player."},
        {"li",
         "If the spinner points to a star on a blue background, the player must pick up another "
         "card from the pack. The player does this by clicking on the small card towards the top "
         "of the screen representing the pack."},
        {"li",
         "If the spinner points to a star on a red background, the player can discard any one of "
         "their cards by clicking on it."},
        {"li",
         "When a player has completed their turn, they should click the 'Next Player' button."},
        {"li", "The first player to get rid of all their cards wins the game."},
    };
    qsizetype last = -1;
    for (const auto& [tag, rule] : rules) {
        EXPECT_TRUE(has(page, tag, rule)) << rule;
        const qsizetype at =
            page.blocks.indexOf(QLatin1String(tag) + ": " + QString::fromUtf8(rule));
        EXPECT_GT(at, last) << rule;
        last = at;
    }
}

TEST(AboutPage, EscapesMarkupAndKeepsOtherTextAsItIs) {
    EXPECT_EQ(htmlEscape("0.5 < 3/4 & 75% > 1/2"), "0.5 &lt; 3/4 &amp; 75% &gt; 1/2");
    EXPECT_EQ(htmlEscape("say \"Next Player\""), "say &quot;Next Player&quot;");
    EXPECT_EQ(htmlEscape("&amp;"), "&amp;amp;");
    EXPECT_EQ(htmlEscape("the player's \u00bd \u2014 \u25a0"), "the player's \u00bd \u2014 \u25a0");
    // What the page is made of is escaped too: a version with markup in it
    // reads as text.
    const ReadPage page = readPage(QByteArray::fromStdString(aboutPage("1.0 <beta> & co")));
    ASSERT_EQ(page.error, QString());
    EXPECT_TRUE(has(page, "p", "Version 1.0 <beta> & co"));
}

}  // namespace
}  // namespace zandoli::testing

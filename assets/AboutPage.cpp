#include "assets/AboutPage.h"

#include <fstream>
#include <sstream>

#include <QCoreApplication>

#include "language/Language.h"
#include "language/Numbers.h"
#include "language/RulesText.h"

namespace zandoli {

namespace {

constexpr const char* GAME_NAME = "Zandoli?";
constexpr const char* LICENCE_NAME = "GPL-3.0-or-later";
// Debian keeps the licence's full text on every system; the page also names
// where it can be read on the web, for other systems.
constexpr const char* LICENCE_ON_THIS_SYSTEM = "file:///usr/share/common-licenses/GPL-3";
constexpr const char* LICENCE_ON_THE_WEB = "https://www.gnu.org/licenses/gpl-3.0.html";
// The project's addresses come from packaging/Addresses.cmake, the one place
// that keeps them. Shown as themselves, so they need no translation.
constexpr const char* HOMEPAGE = ZANDOLI_HOMEPAGE;
constexpr const char* BUG_TRACKER = ZANDOLI_BUG_TRACKER;
constexpr const char* CONTACT_EMAIL = ZANDOLI_CONTACT_EMAIL;

// The table's own blue for the headings, on white for reading.
constexpr const char* STYLE =
    "body { font-family: Arial, sans-serif; max-width: 42em; margin: 2em auto; "
    "padding: 0 1em; line-height: 1.5; color: #1a1a1a; background: #ffffff; }\n"
    "h1, h2 { color: #253c88; }\n";

void element(std::ostringstream& out, const char* tag, const std::string& text) {
    out << '<' << tag << '>' << htmlEscape(text) << "</" << tag << ">\n";
}

void link(std::ostringstream& out, const std::string& address, const std::string& text) {
    out << "<a href=\"" << htmlEscape(address) << "\">" << htmlEscape(text) << "</a>";
}

// How to play: the same words as the rules screen and the printable rules.
void howToPlay(std::ostringstream& out) {
    element(out, "h2", QCoreApplication::translate("About", "How to play").toStdString());
    const QStringList rules = rulesText::paragraphs();
    element(out, "p", rules.front().toStdString());
    out << "<ol>\n";
    for (qsizetype i = 1; i < rules.size(); ++i) {
        element(out, "li", rules[i].toStdString());
    }
    out << "</ol>\n";
}

void licence(std::ostringstream& out) {
    element(out, "h2", QCoreApplication::translate("About", "Licence").toStdString());
    element(out, "p",
            QCoreApplication::translate(
                "About",
                "%1 is free software: you can redistribute it and/or modify it under the terms of "
                "the GNU General Public License as published by the Free Software Foundation, "
                "either version 3 of the License, or (at your option) any later version (%2). It "
                "comes with no warranty.")
                .arg(QString::fromUtf8(GAME_NAME), QString::fromUtf8(LICENCE_NAME))
                .toStdString());
    out << "<p>"
        << htmlEscape(QCoreApplication::translate("About", "Read the licence: ").toStdString());
    link(out, LICENCE_ON_THIS_SYSTEM,
         QCoreApplication::translate("About", "on this computer").toStdString());
    out << htmlEscape(
        QCoreApplication::translate("About", " (Debian and systems like it) or ").toStdString());
    link(out, LICENCE_ON_THE_WEB, QCoreApplication::translate("About", "on the web").toStdString());
    out << ".</p>\n";
}

void credits(std::ostringstream& out) {
    element(out, "h2", QCoreApplication::translate("About", "Credits").toStdString());
    out << "<ul>\n";
    element(out, "li",
            QCoreApplication::translate("About", "Made by the Zandoli developers.").toStdString());
    out << "<li>";
    link(out, HOMEPAGE, HOMEPAGE);
    out << " \u00b7 ";
    link(out, std::string("mailto:") + CONTACT_EMAIL, CONTACT_EMAIL);
    out << " \u00b7 ";
    link(out, BUG_TRACKER, BUG_TRACKER);
    out << "</li>\n";
    element(out, "li",
            QCoreApplication::translate("About",
                                        "Every picture, sound and text of the game, this page "
                                        "and the printable rules included, is made by the game's "
                                        "own code.")
                .toStdString());
    out << "</ul>\n";
}

}  // namespace

std::string htmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string aboutPage(const std::string& version) {
    const std::string title = QCoreApplication::translate("About", "About %1")
                                  .arg(QString::fromUtf8(GAME_NAME))
                                  .toStdString();
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"" << language::current().toStdString()
        << "\">\n<head>\n<meta charset=\"utf-8\" />\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n";
    element(out, "title", title);
    out << "<style>\n" << STYLE << "</style>\n</head>\n<body>\n";
    element(out, "h1", GAME_NAME);
    element(out, "p",
            QCoreApplication::translate("About", "Version %1")
                .arg(QString::fromStdString(version))
                .toStdString());
    element(out, "p",
            QCoreApplication::translate("About",
                                        "A card game for one to four players that teaches that "
                                        "%1, %2, 1/2 and a half-shaded tile are the same number.")
                .arg(numbers::decimal(0.5), numbers::percent(0.5))
                .toStdString());

    howToPlay(out);
    licence(out);
    credits(out);
    out << "</body>\n</html>\n";
    return out.str();
}

bool writeAboutPage(const std::string& path, const std::string& version) {
    std::ofstream file(path, std::ios::binary);
    file << aboutPage(version);
    return static_cast<bool>(file);
}

}  // namespace zandoli

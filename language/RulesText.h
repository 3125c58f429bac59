#pragma once

#include <QString>
#include <QStringList>

namespace zandoli::rulesText {

// The rules as the rules screen shows them and the printable rules document
// and the about page repeat them, in the chosen language.
QString heading();     // "The Rules of Zandoli?"
QString subheading();  // "THE RULES"
// The first paragraph introduces the game; the others follow under the
// subheading.
QStringList paragraphs();

// The printable rules beside the game, by the name the word processor shows
// in its title bar: "Zandoli Rules.doc", and in each language its own.
//: The printable rules' file name, shown in the word processor's title bar
inline constexpr const char* DOCUMENT = QT_TRANSLATE_NOOP("Rules", "Zandoli Rules.doc");
QString documentName();  // DOCUMENT in the current language

}  // namespace zandoli::rulesText

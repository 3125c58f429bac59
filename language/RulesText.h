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

// The printable rules beside the game.
inline constexpr const char* DOCUMENT = "Zandoli Rules.doc";

}  // namespace zandoli::rulesText

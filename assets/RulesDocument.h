#pragma once

#include <string>

namespace zandoli {

// The printable rules as RTF, which every word processor opens, under the
// ".doc" name the game hands to the desktop.
std::string rulesDocument();

// Escapes UTF-8 text for an RTF body: backslashes and braces, and every
// character outside ASCII as a \u control word.
std::string rtfEscape(const std::string& utf8);

bool writeRulesDocument(const std::string& path);

}  // namespace zandoli

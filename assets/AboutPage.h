#pragma once

#include <string>

namespace zandoli {

// The page the set-up screen opens in the desktop's browser when the build
// names no web address: the game's name and version, how to play, the
// licence and who made it. HTML in UTF-8, readable without styles or scripts.
std::string aboutPage(const std::string& version);

// Escapes text for an HTML body or a quoted attribute value.
std::string htmlEscape(const std::string& text);

bool writeAboutPage(const std::string& path, const std::string& version);

}  // namespace zandoli

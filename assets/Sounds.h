#pragma once

#include <string>

namespace zandoli {

// Synthesises every sound of the game into `wavFolder`. Returns false when a
// file cannot be written.
bool writeSounds(const std::string& wavFolder);

}  // namespace zandoli

#pragma once

#include <string>

namespace zandoli {

// Synthesises every sound of the game into `wavfolder`. Returns false when a
// file cannot be written.
bool writeSounds(const std::string& wavfolder);

}  // namespace zandoli

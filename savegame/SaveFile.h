#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "GameState.h"

namespace zandoli::savegame {

inline constexpr const char* SAVE_FILE = "lastgame.inf";
inline constexpr int SAVE_LINES = 110;

// The 110 lines of a save, each "%d" followed by CR LF.
std::string formatsave(const GameState& state);

// Writes the save so that the old one is replaced whole or not at all
// (a temporary file in the same folder, flushed, renamed over). False when
// anything failed; the previous save is then untouched.
bool writesave(const GameState& state, const std::filesystem::path& file);

// Reads the first 110 values into the state, each stored as it is read.
// False when the text cannot be a save: too few values, a value that is not
// an integer or does not fit 16 bits, or values outside the ranges a game can
// reach. Values read before the failure stay in the state.
bool parsesave(std::string_view text, GameState& state);
bool readsave(const std::filesystem::path& file, GameState& state);

}  // namespace zandoli::savegame

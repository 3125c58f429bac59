#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/GameState.h"

namespace zandoli::savegame {

inline constexpr const char* SAVE_FILE = "lastgame.inf";
// Sound, players and colour; each colour's hand size, and its hand and the
// turn's copy of it slot by slot; the pack's position and top card, the
// turn's three flags, the drawn card's slot and the spin count.
inline constexpr int SAVE_LINES = 3 + PLAYING_COLOURS * (1 + 2 * SHOWN_SLOTS) + 7;
static_assert(SAVE_LINES == 110, "every saved game is 110 lines");

// The 110 lines of a save, each "%d" followed by CR LF.
std::string formatSave(const GameState& state);

// Writes the save so that the old one is replaced whole or not at all
// (a temporary file in the same folder, flushed, renamed over). False when
// anything failed; the previous save is then untouched.
//
// A save the player may not write to is left as it is, and so is anything
// there that is not a plain file. A replaced save keeps its permissions.
// When `file` is a symbolic link the link stays and the file it names is
// replaced, the temporary file beside it. A link that names no file yet gets
// one: whoever pointed the save elsewhere (a shared folder, a stick) wants the
// games to land there, as a shell or an editor would write through the link,
// and turning the link into a plain file would quietly undo their choice.
bool writeSave(const GameState& state, const std::filesystem::path& file);

// Reads the first 110 values into the state, each stored as it is read.
// False when the text cannot be a save: too few values, a value that is not
// an integer or does not fit 16 bits, or values outside the ranges a game can
// reach. Values read before the failure stay in the state.
//
// A line is the optional minus sign and the digits, nothing else: the writer
// never puts spaces round a value, so a line with one is damaged and refused.
// A line ends in LF; a CR just before it (or at the very end) is dropped, and
// the last line may lack its ending. A line longer than LONGEST_LINE
// characters is refused, which lets the reader stop after a bounded prefix of
// any file however large.
bool parseSave(std::string_view text, GameState& state);
bool readSave(const std::filesystem::path& file, GameState& state);

inline constexpr std::size_t LONGEST_LINE = 16;

// True when every saved field lies where a running game can put it, so a
// table can show and fold the restored hands without checking them again:
// the first handSize(p) slots of each hand hold cards, and the working hand of
// the player to move still holds handSize(colour) cards within slots 0..11.
bool validSave(const GameState& state);

// The temporary file writeSave fills before renaming it over the save (over
// the file a link names, when the save is a link).
std::filesystem::path tempPath(const std::filesystem::path& file);

}  // namespace zandoli::savegame

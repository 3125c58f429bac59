#pragma once

// What the saved game's tests share: the mid-game save of the engine's
// turns.txt, the save's lines, and a fresh folder to save in.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "savegame/SaveFile.h"
#include "tests/engine/Table.h"
#include "tests/support/Transcript.h"

namespace zandoli::savegame {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
inline constexpr int16_t SENTINEL = -7;

// Every field set to a value no save holds, so a test sees what a read touched.
// The state is nothing but 16-bit fields, so it can be filled as an array.
inline GameState sentinel() {
    static_assert(sizeof(GameState) ==
                  sizeof(int16_t) * (2 + 2 * PLAYER_SLOTS * HAND_SLOTS + PLAYER_SLOTS + 8));
    GameState s;
    std::fill_n(reinterpret_cast<int16_t*>(&s), sizeof(s) / sizeof(int16_t), SENTINEL);
    return s;
}

inline Lines split(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
    }
    return lines;
}

inline std::string join(const Lines& lines, const std::string& ending = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + ending;
    }
    return text;
}

inline bool parses(const std::string& text, GameState& state) {
    state = sentinel();
    return parseSave(text, state);
}

inline std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The short game of tests/engine/turns.txt played up to Blue's red-star
// discard: Blue has five cards left of its seven, one discarded this turn;
// Yellow has drawn card 36 into its eighth slot; the pack's top is now 37.
// Played once, and kept.
inline GameState sample() {
    static const GameState played = [] {
        const testing::Transcript turns(ZANDOLI_TRANSCRIPTS "/turns.txt");
        testing::Tables<> tables;
        testing::playPart(turns,
                          turns.part("two players from the deal to Blue's red-star discard "
                                     "(tests/savegame/mid-game.inf)"),
                          tables);
        return tables.table->state;
    }();
    return played;
}

// A fresh folder, removed with everything in it when the test ends.
struct Folder {
    fs::path path =
        fs::temp_directory_path() / ("zandoli-" + std::to_string(std::random_device()()));
    fs::path save = path / SAVE_FILE;
    Folder() { fs::create_directory(path); }
    ~Folder() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
    void put(const std::string& text) const { std::ofstream(save, std::ios::binary) << text; }
};

}  // namespace zandoli::savegame

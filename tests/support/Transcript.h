#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

namespace zandoli::testing {

// Plays the transcript read from `in`, named `path` in failures, line by
// line up to the line `stopBefore`. Blank lines and "#" lines are for
// people. Every other line goes to `play`: a "== heading" starts a part
// (named in failures; the player may start afresh), and a step gives what it
// shows, which must equal what follows "=>" when the line has one. A step
// that gives nothing (nullopt) leaves out the rest of its part.
template <class Play>
void runTranscript(std::istream& in, const std::string& path, Play play,
                   const std::string& stopBefore = "") {
    std::string part;
    bool skipping = false;
    int number = 0;
    for (std::string line; std::getline(in, line) && (stopBefore.empty() || line != stopBefore);) {
        ++number;
        if (line.starts_with("==")) {
            part = line;
            skipping = false;
        } else if (skipping || line.empty() || line.starts_with("#")) {
            continue;
        }
        const size_t arrow = line.find(" =>");
        const std::optional<std::string> seen = play(line.substr(0, arrow));
        skipping = !seen;
        if (seen && arrow != std::string::npos) {
            EXPECT_EQ(*seen, line.substr(std::min(arrow + 4, line.size())))
                << path << ":" << number << ": " << line << "\n"
                << part;
        }
    }
}

// Plays the transcript in the file at `path`.
template <class Play>
void runTranscript(const std::string& path, Play play, const std::string& stopBefore = "") {
    std::ifstream in(path);
    ASSERT_TRUE(in.is_open()) << path;
    runTranscript(in, path, play, stopBefore);
}

// Plays the transcript with a fresh Player for each part.
template <class Player>
void playParts(const std::string& path) {
    std::optional<Player> player;
    runTranscript(path, [&](const std::string& line) -> std::optional<std::string> {
        if (line.starts_with("==")) {
            player.emplace();
            return "";
        }
        return player->play(line);
    });
}

}  // namespace zandoli::testing

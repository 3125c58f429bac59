#pragma once

#include <gtest/gtest.h>
#include <fstream>
#include <memory>
#include <string>

namespace zandoli::testing {

// Plays a transcript. "# ..." lines are comments; "== title" starts a fresh
// Player; "only WHAT" leaves out the rest of the section unless
// applies(WHAT); "step => seen" plays the step and expects what
// Player::play returns, and a step without "=>" is only played.
template <class Player, class Applies>
void playTranscript(const std::string& path, Applies applies) {
    std::ifstream file(path);
    ASSERT_TRUE(file.is_open()) << path;
    std::unique_ptr<Player> player;
    std::string section;
    bool skipping = false;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("==", 0) == 0) {
            player.reset();
            player = std::make_unique<Player>();
            section = line;
            skipping = false;
        } else if (line.rfind("only ", 0) == 0) {
            skipping = skipping || !applies(line.substr(5));
        } else if (!skipping && !line.empty() && line[0] != '#') {
            const size_t arrow = line.find(" => ");
            const std::string seen = player->play(line.substr(0, arrow));
            if (arrow != std::string::npos) {
                EXPECT_EQ(seen, line.substr(arrow + 4)) << section << "\n" << line;
            }
        }
    }
}

}  // namespace zandoli::testing

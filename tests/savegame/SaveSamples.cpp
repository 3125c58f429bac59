#include "SaveSamples.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>

namespace zandoli::savegame::testing {

namespace {

void sethand(GameState& state, int player, std::initializer_list<int> hand,
             std::initializer_list<int> turnhand) {
    int s = 0;
    for (int card : hand) {
        state.hand[player][s++] = static_cast<int16_t>(card);
    }
    s = 0;
    for (int card : turnhand) {
        state.turnhand[player][s++] = static_cast<int16_t>(card);
    }
}

}  // namespace

GameState magentamidturn() {
    GameState state;
    state.playsound = 1;
    state.numplayers = 3;
    state.colour = 2;
    state.handsize = {5, 7, 6, 7, 0};
    sethand(state, 0, {8, 3, 40, 22, 17, 22, 17, 48, 48, 48, 48, 48},
            {8, 48, 3, 40, 48, 22, 17, 48, 48, 48, 48, 48});
    sethand(state, 1, {1, 44, 29, 5, 36, 14, 27, 48, 48, 48, 48, 48},
            {1, 44, 29, 5, 36, 14, 27, 48, 48, 48, 48, 48});
    sethand(state, 2, {0, 19, 33, 46, 2, 38, 24, 48, 48, 48, 48, 48},
            {0, 19, 48, 46, 2, 38, 24, 48, 48, 48, 48, 48});
    sethand(state, 3, {9, 10, 47, 31, 4, 21, 35, 48, 48, 48, 48, 48},
            {9, 10, 47, 31, 4, 21, 35, 48, 48, 48, 48, 48});
    state.packpos = 28;
    state.topcard = 13;
    state.starused = 0;
    state.drawn = 0;
    state.turnover = 0;
    state.newslot = 0;
    state.spins = 0;
    return state;
}

GameState sentinelstate() {
    GameState state;
    state.numplayers = state.playsound = state.restoring = SENTINEL;
    for (auto* rows : {&state.hand, &state.turnhand}) {
        for (auto& row : *rows) {
            row.fill(SENTINEL);
        }
    }
    state.handsize.fill(SENTINEL);
    state.colour = state.starused = state.drawn = state.turnover = SENTINEL;
    state.topcard = state.packpos = state.newslot = state.spins = SENTINEL;
    return state;
}

std::vector<int> savedvalues(const GameState& state) {
    std::vector<int> values(111, 0);  // index 0 unused: lines count from 1
    values[1] = state.playsound;
    values[2] = state.numplayers;
    values[3] = state.colour;
    for (int p = 0; p < 4; ++p) {
        values[4 + p] = state.handsize[p];
        for (int s = 0; s < 12; ++s) {
            values[handline(p, s)] = state.hand[p][s];
            values[turnhandline(p, s)] = state.turnhand[p][s];
        }
    }
    values[104] = state.packpos;
    values[105] = state.topcard;
    values[106] = state.starused;
    values[107] = state.drawn;
    values[108] = state.turnover;
    values[109] = state.newslot;
    values[110] = state.spins;
    values.erase(values.begin());
    return values;
}

GameState fromvalues(const std::vector<int>& values) {
    GameState state = sentinelstate();
    auto line = [&values](int number) {
        return static_cast<int16_t>(values.at(static_cast<std::size_t>(number - 1)));
    };
    state.playsound = line(1);
    state.numplayers = line(2);
    state.colour = line(3);
    for (int p = 0; p < 4; ++p) {
        state.handsize[p] = line(4 + p);
        for (int s = 0; s < 12; ++s) {
            state.hand[p][s] = line(handline(p, s));
            state.turnhand[p][s] = line(turnhandline(p, s));
        }
    }
    state.packpos = line(104);
    state.topcard = line(105);
    state.starused = line(106);
    state.drawn = line(107);
    state.turnover = line(108);
    state.newslot = line(109);
    state.spins = line(110);
    return state;
}

std::vector<std::string> splitlines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string joinlines(const std::vector<std::string>& lines, std::string_view ending) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += ending;
    }
    return text;
}

bool playable(const GameState& state, std::string* why) {
    auto fail = [why](const std::string& reason) {
        if (why != nullptr) {
            *why = reason;
        }
        return false;
    };
    const std::vector<int> v = savedvalues(state);
    auto line = [&v](int number) { return v[static_cast<std::size_t>(number - 1)]; };
    // The ranges of the line table, line by line.
    struct Range {
        int first, last, lowest, highest;
    };
    const Range ranges[] = {{1, 1, 0, 1},       {2, 2, 1, 4},        {4, 7, 0, 12},
                            {8, 103, 0, 48},    {104, 105, 0, 47},   {106, 108, 0, 1},
                            {109, 109, -1, 11}, {110, 110, 0, 32767}};
    for (const Range& r : ranges) {
        for (int n = r.first; n <= r.last; ++n) {
            if (line(n) < r.lowest || line(n) > r.highest) {
                return fail("line " + std::to_string(n) +
                            " out of range: " + std::to_string(line(n)));
            }
        }
    }
    if (line(3) < 0 || line(3) >= line(2)) {
        return fail("colour not below numplayers");
    }
    for (int p = 0; p < 4; ++p) {
        for (int s = 0; s < line(4 + p); ++s) {
            if (line(handline(p, s)) == NO_CARD) {
                return fail("an empty slot inside the hand of player " + std::to_string(p));
            }
        }
    }
    // The player to move: every counted slot is its hand card or a discard, and
    // folding the discards away (as the next hand-over does) stays in slots
    // 0..11.
    const int c = line(3);
    int next = 0;
    for (int s = 0; s < line(4 + c); ++s) {
        const int working = line(turnhandline(c, s));
        if (working != NO_CARD && working != line(handline(c, s))) {
            return fail("turnhand of the player to move holds a card not in its hand");
        }
        while (next < 12 && line(turnhandline(c, next)) == NO_CARD) {
            ++next;
        }
        if (next == 12) {
            return fail("folding the working hand runs past slot 11");
        }
        ++next;
    }
    return true;
}

namespace {

// A table's game as far as the saved fields go.
class Game {
public:
    Game(std::mt19937& random) : random_(random) {}

    void newgame(int players) {
        s_.numplayers = static_cast<int16_t>(players);
        s_.playsound = static_cast<int16_t>(pick(2));
        s_.colour = s_.starused = s_.drawn = 0;
        s_.turnover = 1;
        if (players == 1) {
            s_.spins = 0;
        }
        for (int p = 0; p < 4; ++p) {
            s_.hand[p].fill(NO_CARD);
            s_.turnhand[p].fill(NO_CARD);
            s_.hand[p][12] = s_.turnhand[p][12] = 0;
            s_.handsize[p] = 7;
        }
        std::iota(pack_.begin(), pack_.end(), int16_t{0});
        std::shuffle(pack_.begin(), pack_.end(), random_);
        for (int p = 0; p < 4; ++p) {
            for (int s = 0; s < 7; ++s) {
                s_.hand[p][s] = s_.turnhand[p][s] = pack_[static_cast<std::size_t>(7 * p + s)];
            }
        }
        s_.packpos = 28;
        s_.topcard = pack_[28];
        startturn();
    }

    // One event of the turn cycle; false when it won the game.
    bool step() {
        switch (pick(6)) {
            case 0:
                spin();
                return true;
            case 1:
            case 2:
                return discard();
            case 3:
                draw();
                return true;
            case 4:
                handover();
                return true;
            default:
                s_.turnover = 1;  // a wrong card
                return true;
        }
    }

    const GameState& state() const { return s_; }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    int16_t& handsize() { return s_.handsize[s_.colour]; }

    void startturn() {
        filled_ = handsize();
        for (int s = 0; s < handsize(); ++s) {
            s_.turnhand[s_.colour][s] = s_.hand[s_.colour][s];
        }
    }

    void fold() {
        const int c = s_.colour;
        int k = 0;
        for (int s = 0; s < handsize(); ++s) {
            while (s_.turnhand[c][s + k] == NO_CARD) {
                ++k;
                if (s + k >= HAND_SLOTS) {
                    throw std::logic_error("the simulated fold ran off the hand");
                }
            }
            s_.hand[c][s] = s_.turnhand[c][s + k];
        }
    }

    void spin() {
        if (s_.numplayers == 1) {
            // The one-player spin starts the next turn and is counted.
            if (s_.spins < 32767) {
                ++s_.spins;
            }
            fold();
            s_.starused = s_.drawn = 0;
            startturn();
        }
        s_.turnover = 0;
    }

    bool discard() {
        const int c = s_.colour;
        std::vector<int> showing;
        for (int s = 0; s < std::min(filled_, 12); ++s) {
            if (s_.turnhand[c][s] != NO_CARD) {
                showing.push_back(s);
            }
        }
        if (s_.turnover == 1 || showing.empty()) {
            return true;
        }
        const int slot = showing[static_cast<std::size_t>(pick(static_cast<int>(showing.size())))];
        s_.turnhand[c][slot] = NO_CARD;
        --handsize();
        if (pick(4) == 0 && s_.starused == 0) {
            s_.starused = 1;
        }
        return handsize() > 0;
    }

    void draw() {
        // Only before the turn's first discard, as the pointer allows it.
        if (s_.drawn == 1 || handsize() != std::min(filled_, 12)) {
            return;
        }
        const int c = s_.colour;
        s_.drawn = 1;
        s_.hand[c][handsize()] = s_.turnhand[c][handsize()] = s_.topcard;
        ++filled_;
        if (++handsize() == 13) {
            handsize() = 12;
        }
        s_.packpos = static_cast<int16_t>((s_.packpos + 1) % 48);
        s_.topcard = pack_[static_cast<std::size_t>(s_.packpos)];
        s_.newslot = static_cast<int16_t>(handsize() - 1);
    }

    void handover() {
        fold();
        s_.starused = s_.drawn = 0;
        s_.turnover = 1;
        s_.colour = static_cast<int16_t>((s_.colour + 1) % s_.numplayers);
        startturn();
    }

    std::mt19937& random_;
    GameState s_;
    std::array<int16_t, 48> pack_{};
    int filled_ = 0;
};

}  // namespace

std::vector<GameState> playedsaves(std::mt19937& random, int count) {
    std::vector<GameState> saves;
    Game game(random);
    game.newgame(1 + static_cast<int>(random() % 4));
    while (static_cast<int>(saves.size()) < count) {
        if (!game.step() || random() % 500 == 0) {
            game.newgame(1 + static_cast<int>(random() % 4));  // won, or New Game
        }
        if (random() % 7 == 0) {
            saves.push_back(game.state());
        }
    }
    return saves;
}

}  // namespace zandoli::savegame::testing

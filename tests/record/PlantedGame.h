#pragma once

#include <sstream>

#include "record/GameResults.h"
#include "record/RecordStore.h"

namespace zandoli::testing {

// 8 December 2026, 09:30 UTC.
inline constexpr int64_t PLANTED_START_MS = 1796722200000;

// A game of two with the mistakes a class makes, written as the recorder
// writes it. Blue (no name) is spun 0.3, 0.4, 0.75 and 0.5: matches 30% and
// the tile of 6 squares, presses 0.7 (the unshaded part), then 1/4 for 0.4
// and passes the tile of 8 squares by, then 0.25 for 0.75 (the unshaded part
// again), then matches 0.5. Yellow, Ana, is spun 0.5, 0.7 and 1: matches
// 1/2 and the tile of 10 squares and passes 50% by, presses 0.6 for 0.7, and
// matches the whole card. Blue wins 12 minutes 30 seconds after the deal.
inline void plantGame(RecordSink& record, int64_t startMs = PLANTED_START_MS) {
    int64_t at = startMs;
    record.gameStarted({.atMs = at, .players = 2, .names = {"", "Ana"}});
    const auto row = [&](Happening what, int colour, int turn, int position, int16_t card = NO_CARD,
                         std::optional<MistakeRule> mistake = std::nullopt) {
        record.recorded({at += 1000, what, colour, turn, position, card, mistake});
    };
    row(Happening::Spin, 0, 1, 12);
    row(Happening::Match, 0, 1, 12, 15);
    row(Happening::Match, 0, 1, 12, 38);
    row(Happening::Wrong, 0, 1, 12, 8, MistakeRule::UnshadedPart);
    row(Happening::Spin, 1, 2, 6);
    row(Happening::Match, 1, 2, 6, 26);
    row(Happening::Match, 1, 2, 6, 40);
    row(Happening::Miss, 1, 2, 6, 17, MistakeRule::Missed);
    row(Happening::Spin, 0, 3, 11);
    row(Happening::Wrong, 0, 3, 11, 25, MistakeRule::FractionDigits);
    row(Happening::Miss, 0, 3, 11, 39, MistakeRule::Missed);
    row(Happening::Spin, 1, 4, 8);
    row(Happening::Wrong, 1, 4, 8, 7, MistakeRule::TenthAway);
    row(Happening::Spin, 0, 5, 2);
    row(Happening::Wrong, 0, 5, 2, 11, MistakeRule::UnshadedPart);
    row(Happening::Spin, 1, 6, 14);
    row(Happening::Match, 1, 6, 14, 0);
    row(Happening::Spin, 0, 7, 6);
    row(Happening::Match, 0, 7, 6, 6);
    record.gameEnded({.atMs = startMs + 750000, .won = true, .winner = 0});
}

// A player's results on one line: name, spins, then per form (whole,
// decimal, percent, fraction, tile) matched/wrong/missed, then each mistake
// as key x times @ position card.
inline std::string resultsLine(const PlayerResults& player) {
    std::ostringstream out;
    out << (player.name.empty() ? "-" : player.name) << " spins " << player.spins << " |";
    for (const FormCounts& form : player.forms) {
        out << ' ' << form.matched << '/' << form.wrong << '/' << form.missed;
    }
    out << " |";
    for (const MistakeExample& m : player.mistakes) {
        out << ' ' << mistakeName(m.rule).key << " x" << m.times << " @" << m.position << " card "
            << m.card << ';';
    }
    return out.str();
}

}  // namespace zandoli::testing

#include "tests/record/PracticeSimulation.h"

#include "engine/Referee.h"
#include "engine/Values.h"
#include "record/Recorder.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

namespace {

constexpr int64_t DAY_MS = 86'400'000;

// The record's rows of one game, as the pupil's reading gives them.
class GameRows : public RecordSink {
public:
    GameRows(std::vector<PupilRow>& rows, int64_t game) : rows_(rows), game_(game) {}
    void gameStarted(const GameStart&) override {}
    void gameEnded(const GameEnd&) override {}
    void recorded(const RecordEntry& e) override {
        PupilRow row{.game = game_,
                     .turn = e.turn,
                     .atMs = e.atMs,
                     .what = e.what,
                     .card = e.card,
                     .mistake = e.mistake,
                     .hand = e.hand};
        if (e.spun && cardValue(*e.spun) != nullptr) {
            row.spinValue = cardValue(*e.spun)->value;
        }
        rows_.push_back(row);
    }

private:
    std::vector<PupilRow>& rows_;
    int64_t game_;
};

bool holds(const GameState& state, const Referee& referee, auto&& wanted) {
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        if (referee.slotShowing(s) && wanted(state.hand[0][static_cast<size_t>(s)])) {
            return true;
        }
    }
    return false;
}

}  // namespace

void SimulatedChild::play(const Deck& deck, int day) {
    GameState state;
    state.numPlayers = 1;
    VirtualScheduler scheduler;
    SeededRandom random(engine_());
    GameRows sink(rows_, ++games_);
    Recorder recorder(state, sink, [&] { return day * DAY_MS + 9 * 3'600'000 + scheduler.now(); });
    Referee referee(state, recorder, scheduler, random, ONE_PLAYER_RULES);
    referee.load(TableStart::Deal, {.deck = deck});
    std::bernoulli_distribution takesUnshaded(unshaded_);
    while (!referee.gameOver() && spins < 10'000'000) {
        while (referee.phase() != Phase::AwaitingSpin && referee.phase() != Phase::Playing &&
               scheduler.step()) {
        }
        referee.spinPressed();
        while (referee.phase() == Phase::StartingTurn || referee.phase() == Phase::Spinning) {
            scheduler.step();
        }
        const double spun = referee.result();
        if (valuesMatch(spun, BLUE_STAR)) {
            referee.packClicked();
            continue;
        }
        if (valuesMatch(spun, RED_STAR)) {
            for (int s = 0; s < SHOWN_SLOTS; ++s) {
                if (referee.slotShowing(s)) {
                    referee.cardClicked(s);
                    break;
                }
            }
            continue;
        }
        ++spins;
        const auto unshaded = [&](int16_t card) {
            return !cardMatches(card, spun) && cardMatches(card, 1 - spun);
        };
        watchedPossible +=
            valuesMatch(spun, watched.shown) && holds(state, referee, [this](int16_t card) {
                return kindOf(card) == watched.form && cardMatches(card, watched.taken);
            });
        const bool possible = holds(state, referee, unshaded);
        anyUnshaded += possible;
        if (possible && takesUnshaded(engine_)) {
            for (int s = 0; s < SHOWN_SLOTS; ++s) {
                if (referee.slotShowing(s) && unshaded(state.hand[0][static_cast<size_t>(s)])) {
                    referee.cardClicked(s);
                    break;
                }
            }
            continue;
        }
        for (int s = 0; s < SHOWN_SLOTS && !referee.gameOver(); ++s) {
            if (referee.slotShowing(s) &&
                cardMatches(state.hand[0][static_cast<size_t>(s)], spun)) {
                referee.cardClicked(s);
            }
        }
    }
}

}  // namespace zandoli::testing

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "engine/GameState.h"
#include "engine/TableView.h"
#include "record/Records.h"

namespace zandoli {

// Writes down what the referee tells a table: the game's start and end,
// every spin, every judged card, the red and blue stars' cards, and the
// cards of the spin's value a turn left in the hand. It reads nothing from
// the table's state but the number of players, and keeps no widget.
class Recorder : public TableView {
public:
    // Milliseconds since 1970, UTC.
    using Clock = std::function<int64_t()>;
    // The names the players gave, asked for as each game starts.
    using Names = std::function<std::array<std::string, PLAYING_COLOURS>()>;

    // What the table adds to a game's start: its lesson and its class game.
    using Describe = std::function<void(GameStart&)>;

    Recorder(const GameState& state, RecordSink& sink, Clock clock, Names names = {},
             Describe describe = {});

    // Only the spinner's values and the cards showing are read from the
    // table, to name each spin and the hand it found.
    void show(const TableState& state) override {
        spinner_ = state.spinner;
        faces_ = state.faces;
    }
    // The games from now on are played by the pupil named `pupil` alone,
    // practice games when `practice`; an empty name: the names given again.
    void playedBy(std::string pupil, bool practice) {
        pupil_ = std::move(pupil);
        practice_ = practice;
    }
    void happened(const TableEvent& event) override;

private:
    void startGame(bool restored);
    void record(Happening what, const TableEvent& event);
    // The cards of the turn's value still showing when it ended.
    void recordMisses(const TableEvent& ended);
    void endGame(const GameEnd& end);
    void explanationRead();
    // The value a spin stopped on, or a star; a star for a pointer at rest.
    double spunAt(int position) const;

    const GameState& state_;
    RecordSink& sink_;
    Clock clock_;
    Names names_;
    Describe describe_;
    bool gameOpen_ = false;
    int turn_ = 0;
    int colour_ = 0;
    SpinnerValues spinner_ = standardDeck().spinner;
    // The explanation showing since this time, and whether of a wrong card.
    std::optional<int64_t> explainedAt_;
    bool explainedWrong_ = false;
    // How long the explanation of the turn's end stayed, for its misses.
    std::optional<int64_t> missesExplainedMs_;
    std::array<int16_t, SHOWN_SLOTS> faces_ = NO_FACES;
    std::string pupil_;
    bool practice_ = false;
};

}  // namespace zandoli

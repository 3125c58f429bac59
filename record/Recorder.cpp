#include "record/Recorder.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"

namespace zandoli {

Recorder::Recorder(const GameState& state, RecordSink& sink, Clock clock, Names names,
                   Describe describe)
    : state_(state),
      sink_(sink),
      clock_(std::move(clock)),
      names_(std::move(names)),
      describe_(std::move(describe)) {}

double Recorder::spunAt(int position) const {
    return position >= 0 && position < SPIN_POSITIONS ? spinner_[static_cast<size_t>(position)]
                                                      : RED_STAR;
}

void Recorder::happened(const TableEvent& event) {
    switch (event.moment) {
        case Moment::Dealt:
            startGame(false);
            break;
        case Moment::TurnBegan:
            // A saved game taken up again begins with its turn, not a deal.
            if (!gameOpen_) {
                startGame(true);
            }
            colour_ = event.player;
            break;
        case Moment::SpinStopped:
            // A turn is counted by its spin: the one-player table begins a
            // turn at each Spin press, after one that waited for the first.
            ++turn_;
            record(Happening::Spin, event);
            break;
        case Moment::CardDiscarded:
            record(valuesMatch(spunAt(event.position), RED_STAR) ? Happening::RedStar
                                                                 : Happening::Match,
                   event);
            break;
        case Moment::WrongCard:
            record(Happening::Wrong, event);
            break;
        case Moment::CardDrawn:
            record(Happening::BlueStar, event);
            break;
        case Moment::TurnEnded:
            recordMisses(event);
            missesExplainedMs_.reset();
            break;
        case Moment::Explained:
            explainedAt_ = clock_();
            explainedWrong_ = isCard(event.card);
            break;
        case Moment::ExplanationRead:
            explanationRead();
            break;
        case Moment::Won:
            endGame({.won = true, .winner = event.player, .spins = event.spins});
            break;
        case Moment::ExitAccepted:
            if (event.save) {
                endGame({});
            }
            break;
        case Moment::SpinStarted:
        case Moment::CardTurnedUp:
        case Moment::HandedOver:
        case Moment::RulesShown:
        case Moment::ResultsShown:
            break;
    }
}

void Recorder::startGame(bool restored) {
    gameOpen_ = true;
    turn_ = 0;
    colour_ = 0;
    GameStart start{.atMs = clock_(),
                    .players = state_.numPlayers,
                    .onePlayer = state_.numPlayers == 1,
                    .restored = restored};
    start.practice = practice_;
    if (!pupil_.empty()) {
        start.names = {pupil_};
    } else if (names_) {
        start.names = names_();
    }
    if (describe_) {
        describe_(start);
    }
    sink_.gameStarted(start);
}

void Recorder::record(Happening what, const TableEvent& event) {
    if (!gameOpen_) {
        return;
    }
    RecordEntry entry{.atMs = clock_(),
                      .what = what,
                      .colour = colour_,
                      .turn = turn_,
                      .position = event.position,
                      .card = event.card,
                      .spun = spunAt(event.position)};
    if (what == Happening::Spin) {
        std::copy_if(faces_.begin(), faces_.end(), std::back_inserter(entry.hand), isCard);
    }
    if (what == Happening::Wrong) {
        entry.mistake = nameMistake(spunAt(event.position), event.card, true);
    }
    sink_.recorded(entry);
}

void Recorder::recordMisses(const TableEvent& ended) {
    const double spun = spunAt(ended.position);
    if (!gameOpen_ || cardValue(spun) == nullptr) {
        return;
    }
    const int64_t at = clock_();
    for (int16_t card : ended.hand) {
        if (const auto mistake = nameMistake(spun, card, false)) {
            sink_.recorded({.atMs = at,
                            .what = Happening::Miss,
                            .colour = ended.player,
                            .turn = turn_,
                            .position = ended.position,
                            .card = card,
                            .mistake = mistake,
                            .spun = spun,
                            .explainedMs = missesExplainedMs_});
        }
    }
}

void Recorder::explanationRead() {
    if (!explainedAt_) {
        return;
    }
    const int64_t stayed = clock_() - *std::exchange(explainedAt_, std::nullopt);
    if (gameOpen_ && explainedWrong_) {
        sink_.wrongExplained(stayed);
    }
    // The cards the explanation showed left in the hand are recorded as the
    // turn ends, which follows at once.
    missesExplainedMs_ = stayed;
}

void Recorder::endGame(const GameEnd& end) {
    if (!gameOpen_) {
        return;
    }
    gameOpen_ = false;
    GameEnd at = end;
    at.atMs = clock_();
    sink_.gameEnded(at);
}

}  // namespace zandoli

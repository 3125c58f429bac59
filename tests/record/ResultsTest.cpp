// The record read back for the results screen, as a transcript
// (results.txt): each player's cards by form, the mistakes grouped with
// their first example, the way from game to game, and forgetting.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "record/ConfusionReader.h"
#include "record/ResultsReader.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// A record of its own, written by the table's store and read by the results
// screen's reader, each opened when a step first needs it.
class ResultsPlayer {
public:
    static const Vocabulary<ResultsPlayer>& verbs() {
        static const Vocabulary<ResultsPlayer> verbs(
            "a record read for the results (tests/record/ResultsTest.cpp)",
            {{"plant", "plant 1000", "the planted game of two (at 1000 ms, else in 2026)",
              &ResultsPlayer::plant},
             {"alone", "alone 1000", "a one-player game begun at 1000 ms, no end recorded",
              &ResultsPlayer::alone},
             {"left", "left 2000 3", "a game of 3 dealt at 2000 ms and left, nothing spun",
              &ResultsPlayer::left},
             {"miss", "miss 21000 1 2 47", "at 21000 ms, in turn 1, on position 2, 47 passed by",
              &ResultsPlayer::miss},
             {"close", "close", "the store and the reader closed", &ResultsPlayer::close},
             {"latest", "latest", "the game the screen opens on, \"none\" or \"unreadable\"",
              &ResultsPlayer::browse},
             {"earlier", "earlier", "the start of the game before the one read, or \"none\"",
              &ResultsPlayer::browse},
             {"later", "later", "the start of the game after the one read, or \"none\"",
              &ResultsPlayer::browse},
             {"player", "player 0", "player 0's results in the game read", &ResultsPlayer::player},
             {"forget", "forget", "yes when the record was emptied", &ResultsPlayer::forget},
             {"file", "file", "whether the record's file is there", &ResultsPlayer::exists},
             {"total", "total", "the rows of games, seats and events", &ResultsPlayer::total},
             {"name", "name Ana", "the file (the record or its log) that holds the name",
              &ResultsPlayer::name},
             {"confusions", "confusions Ana", "how many confusions Ana's rows hold",
              &ResultsPlayer::confusions},
             {"kept", "kept", "the files kept beside the record", &ResultsPlayer::kept}});
        return verbs;
    }

private:
    std::string plant(const Step& step) {
        plantGame(store(), step.size() ? step.number(0) : PLANTED_START_MS);
        return "";
    }
    std::string alone(const Step& step) {
        store().gameStarted({.atMs = step.number(0), .players = 1, .onePlayer = true});
        return "";
    }
    std::string left(const Step& step) {
        store().gameStarted({.atMs = step.number(0), .players = int(step.number(1))});
        store().gameEnded({.atMs = step.number(0) + 500});
        return "";
    }
    std::string miss(const Step& step) {
        store().recorded({step.number(0), Happening::Miss, 0, int(step.number(1)),
                          int(step.number(2)), int16_t(step.number(3)), MistakeRule::Missed});
        return "";
    }
    std::string close(const Step&) {
        reader_.reset();
        store_.reset();
        return "";
    }
    std::string browse(const Step& step) {
        const std::string& verb = step.verb();
        const auto read = verb == "latest"    ? reader().latest()
                          : verb == "earlier" ? reader().before(shown_.value().id)
                                              : reader().after(shown_.value().id);
        const std::optional<GameResults>& found = read.value;
        shown_ = found ? found : shown_;
        return read.failed()      ? "unreadable"
               : !found           ? "none"
               : verb == "latest" ? summary(*found)
                                  : summary(*found, false);
    }
    std::string player(const Step& step) {
        return resultsLine(shown_.value().players.at(size_t(step.number(0))));
    }
    std::string forget(const Step&) { return reader().forgetAll() ? "yes" : "no"; }
    std::string confusions(const Step& step) {
        const auto read =
            confusions::readConfusions(file(), QString::fromStdString(step.rest()), 0);
        return read.failed() ? "unreadable" : std::to_string(read.value.size());
    }
    std::string kept(const Step&) {
        return std::to_string(
            QDir(dir_.path() + "/record.confusions").entryList(QDir::Files).size());
    }
    std::string exists(const Step&) { return QFile::exists(file()) ? "there" : "none"; }
    std::string total(const Step&) {
        return readRows(file(),
                        "SELECT (SELECT COUNT(*) FROM game) + (SELECT COUNT(*) FROM "
                        "seat) + (SELECT COUNT(*) FROM event)")
            .at(0);
    }
    std::string name(const Step& step) {
        std::string found = "nowhere";
        for (const QString& part : {file(), file() + "-wal"}) {
            found = readBytes(part).contains(step.rest().c_str()) ? part.toStdString() : found;
        }
        return found;
    }

    QString file() const { return dir_.path() + "/record.sqlite"; }
    RecordStore& store() { return store_ ? *store_ : store_.emplace(file()); }
    ResultsReader& reader() { return reader_ ? *reader_ : reader_.emplace(file()); }
    // When a game started, how long it ran, its winner, whether it was of
    // one player, its spins and players; or only when it started.
    static std::string summary(const GameResults& g, bool whole = true) {
        std::ostringstream out;
        out << "started " << g.startedMs;
        if (whole) {
            out << " | " << g.lengthMs << " ms | "
                << (g.won ? "won by " + std::to_string(g.winner) : "no win")
                << (g.onePlayer ? " | one player" : "") << " | spins " << g.spins << " | players "
                << g.players.size();
        }
        return out.str();
    }

    QTemporaryDir dir_;
    std::optional<RecordStore> store_;
    std::optional<ResultsReader> reader_;
    std::optional<GameResults> shown_;
};

// The record reads back by player, form and mistake, from game to game until forgotten.
[[maybe_unused]] const bool resultsRegistered =
    registerTranscript<ResultsPlayer>(ZANDOLI_RECORD_DATA "/results.txt");

}  // namespace
}  // namespace zandoli::testing

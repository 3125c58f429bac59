// The record read back for the results screen, as a transcript
// (results.txt): each player's cards by form, the mistakes grouped with
// their first example, the way from game to game, and forgetting.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

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
    std::string play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, rest;
        in >> verb;
        std::vector<int64_t> n;
        for (int64_t i = 0; in >> i;) {
            n.push_back(i);
        }
        in.clear();
        std::getline(in >> std::ws, rest);
        n.resize(std::max<size_t>(n.size(), 4), -1);
        if (verb == "plant") {
            plantGame(store(), n[0] < 0 ? PLANTED_START_MS : n[0]);
        } else if (verb == "alone") {
            store().gameStarted({.atMs = n[0], .players = 1, .onePlayer = true});
        } else if (verb == "left") {
            store().gameStarted({.atMs = n[0], .players = int(n[1])});
            store().gameEnded({.atMs = n[0] + 500});
        } else if (verb == "miss") {
            store().recorded({n[0], Happening::Miss, 0, int(n[1]), int(n[2]), int16_t(n[3]),
                              MistakeRule::Missed});
        } else if (verb == "close") {
            reader_.reset();
            store_.reset();
        } else if (verb == "latest" || verb == "earlier" || verb == "later") {
            const auto read = verb == "latest"    ? reader().latest()
                              : verb == "earlier" ? reader().before(shown_.value().id)
                                                  : reader().after(shown_.value().id);
            const std::optional<GameResults>& found = read.value;
            shown_ = found ? found : shown_;
            return read.failed()      ? "unreadable"
                   : !found           ? "none"
                   : verb == "latest" ? summary(*found)
                                      : summary(*found, false);
        } else if (verb == "player") {
            return resultsLine(shown_.value().players.at(size_t(n[0])));
        } else if (verb == "forget") {
            return reader().forgetAll() ? "yes" : "no";
        } else if (verb == "file") {
            return QFile::exists(file()) ? "there" : "none";
        } else if (verb == "total") {
            return readRows(file(),
                            "SELECT (SELECT COUNT(*) FROM game) + (SELECT COUNT(*) FROM "
                            "seat) + (SELECT COUNT(*) FROM event)")
                .at(0);
        } else if (verb == "name") {
            std::string found = "nowhere";
            for (const QString& part : {file(), file() + "-wal"}) {
                found = readBytes(part).contains(rest.c_str()) ? part.toStdString() : found;
            }
            return found;
        } else {
            throw std::invalid_argument(step);
        }
        return "";
    }

private:
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

TEST(Results, TheRecordReadsBackByPlayerFormAndMistakeFromGameToGameUntilForgotten) {
    playParts<ResultsPlayer>(ZANDOLI_RECORD_DATA "/results.txt");
}

}  // namespace
}  // namespace zandoli::testing

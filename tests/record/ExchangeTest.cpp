// A class on several machines, as exchange.txt plays it: the whole record
// exported and merged into another, twice without a duplicate; damaged and
// hostile files refused whole; names kept as data; the choices as CSV; the
// report's pupils. bounds.txt plays the edges of each value's range,
// paths.txt files and folders named with quotes, and unreadable.txt records
// that are there but cannot be read.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "record/Columns.h"
#include "record/Exchange.h"
#include "record/Report.h"
#include "record/ResultsReader.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

using exchange::exportRecord;
using exchange::importRecord;

// TMPDIR as it was before a part, set again after it.
struct TemporaryFolder {
    ~TemporaryFolder() {
        if (wasSet) {
            qputenv("TMPDIR", saved);
        } else {
            qunsetenv("TMPDIR");
        }
    }
    bool wasSet = qEnvironmentVariableIsSet("TMPDIR");
    QByteArray saved = qgetenv("TMPDIR");
};

// A folder of records and files; the steps are listed at the top of exchange.txt.
class ExchangePlayer {
public:
    std::string play(const std::string& step) {
        std::istringstream words(step);
        std::string verb, a, b, rest;
        words >> verb >> a;
        if (verb == "refuse") {
            return refuse(step.substr(7));
        }
        if (verb == "temporary") {
            return temporary(step.substr(10));
        }
        std::getline(words >> b >> std::ws, rest);
        const QString file = path(a), other = path(b);
        const QString text = QString::fromStdString(rest);
        QString said;
        if (verb == "plant") {
            plant(file, b);
        } else if (verb == "export" || verb == "import" || verb == "csv") {
            last_ = verb == "export"   ? exportRecord(file, other)
                    : verb == "import" ? importRecord(file, other)
                                       : report::exportChoices(file, other, report::Period{});
            said = (last_.ok ? "" : "failed: ") + last_.message;
        } else if (verb == "counted") {
            return "added " + std::to_string(last_.gamesAdded) + ", known " +
                   std::to_string(last_.gamesKnown);
        } else if (verb == "exists") {
            said = QFile::exists(file) ? "yes" : "no";
        } else if (verb == "sql") {
            // An export is left read-only; another program may change that.
            const QFile::Permissions before = QFile::permissions(file);
            QFile::setPermissions(file, before | QFile::WriteOwner);
            said = QString::fromStdString(runSql(file, {QString::fromStdString(b + " " + rest)}));
            QFile::setPermissions(file, before);
        } else if (verb == "rows") {
            return joined(readRows(file, QString::fromStdString(b + " " + rest)));
        } else if (verb == "holds") {
            const Rows all = content(file);
            for (const std::string& row : content(other)) {
                if (std::find(all.begin(), all.end(), row) == all.end()) {
                    return "no: " + row;
                }
            }
            said = "yes";
        } else if (verb == "size") {
            said = QString::number(content(file).size());
        } else if (verb == "lines" || verb == "line") {
            const QList<QByteArray> lines = readBytes(file).split('\n');
            if (verb == "lines") {
                return std::to_string(lines.size());
            }
            // Past the game's uid, which differs each run; a CR shows as \r.
            QByteArray line = lines.value(std::stoi(b)).replace("\r", "\\r");
            return (b == "0" ? line : line.mid(line.indexOf(',') + 1)).toStdString();
        } else if (verb == "pupils") {
            const report::Period period = b == "week"   ? week(std::stoll(rest))
                                          : b == "term" ? term(std::stoll(rest))
                                                        : report::Period{};
            const auto read = report::readPupils(file, period, text.section(' ', 1));
            std::vector<std::string> lines;
            for (const report::Pupil& p : read.value) {
                lines.push_back(pupilLine(p));
            }
            return read.failed() ? "unreadable" : joined(lines);
        } else if (verb == "results") {
            return latest(file);
        } else if (verb == "forget") {
            said = ResultsReader(file).forgetAll() ? "yes" : "no";
        } else if (verb == "break") {
            said = writeBytes(file, "this is no database\n") ? "" : "not written";
        } else if (verb == "week") {
            return std::to_string(week(std::stoll(b)).fromMs - PLANTED_START_MS);
        } else if (verb == "period") {
            said =
                report::periodNamed(QString::fromStdString(a)) ? QString::fromStdString(a) : "none";
        } else {
            throw std::invalid_argument(step);
        }
        return said.replace(dir_.path() + "/", QString()).toStdString();
    }

private:
    QString path(const std::string& name) const {
        return dir_.path() + "/" + QString::fromStdString(name);
    }
    // The week up to `ms` after the second of the weekly planted games.
    static report::Period week(int64_t ms) {
        return report::periodOf(report::PeriodKind::Week, PLANTED_START_MS + 7 * 86'400'000 + ms);
    }
    // The term of the day that many days after the first planted game.
    static report::Period term(int64_t days) {
        return report::periodOf(report::PeriodKind::Term, PLANTED_START_MS + days * 86'400'000);
    }
    // A pupil on one line: colour, results as resultsLine() gives them, the
    // games, and each week's Monday with its matched/wrong/missed.
    static std::string pupilLine(const report::Pupil& pupil) {
        std::ostringstream out;
        out << pupil.results.colour << ": " << resultsLine(pupil.results) << " | " << pupil.games
            << " games |";
        for (const report::Week& w : pupil.weeks) {
            out << ' ' << w.monday << ' ' << w.all.matched << '/' << w.all.wrong << '/'
                << w.all.missed;
        }
        return out.str();
    }
    static void plant(const QString& file, const std::string& how) {
        RecordStore store(file);
        if (how == "two" || how == "weekly") {
            plantGame(store);
        }
        if (how == "weekly") {
            plantGame(store, PLANTED_START_MS + 7 * 86'400'000);
        } else if (how == "two") {
            constexpr int64_t DAY = PLANTED_START_MS + 86'400'000;
            store.gameStarted({.atMs = DAY,
                               .players = 3,
                               .names = {"Robert'); DROP TABLE game;--", "<b>Zoë</b>", "=1+1"}});
            store.recorded({DAY + 1000, Happening::Spin, 2, 1, 6});
            store.recorded({DAY + 2000, Happening::Wrong, 2, 1, 6, 5, MistakeRule::Other});
        } else {
            plantGame(store, PLANTED_START_MS + std::stoll(how));
        }
    }
    // Everything a record holds but its row ids, in a fixed order.
    static Rows content(const QString& file) {
        Rows all = readRows(file,
                            "SELECT uid, started_ms, players, one_player, restored, ended_ms, "
                            "ending, winner, spins FROM game ORDER BY uid");
        for (const QString& sql :
             {QStringLiteral("SELECT g.uid, colour, name FROM seat JOIN game g ON g.id = "
                             "seat.game ORDER BY 1, 2"),
              QStringLiteral("SELECT g.uid, turn, at_ms, colour, what, position, spin_value, "
                             "star, card, card_value, card_form, mistake FROM event JOIN game g "
                             "ON g.id = event.game ORDER BY 1, event.id"),
              QStringLiteral("SELECT g.uid, t.colour, t.%1 FROM tally t JOIN game g ON g.id = "
                             "t.game ORDER BY 1, 2")
                  .arg(recordColumns::tallyCounts().join(", t."))}) {
            const Rows rows = readRows(file, sql);
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }
    // A file made as the step says, imported into a.sqlite: the reason given
    // after the file's name, the record unchanged.
    std::string refuse(const std::string& step) {
        std::istringstream words(step);
        std::string verb, name, rest;
        std::getline(words >> verb >> name >> std::ws, rest);
        const QString file = path(name);
        QString text = QString::fromStdString(rest);
        const QByteArray good = readBytes(path("good.zandoli"));
        if (verb == "write") {
            EXPECT_TRUE(writeBytes(file, text.replace("\\n", "\n").toUtf8()));
        } else if (verb == "half") {
            EXPECT_TRUE(writeBytes(file, good.first(good.size() / 2)));
        } else if (verb == "huge" || verb == "largest") {
            // The README's limit, 256 MiB, and a byte more.
            QFile huge(file);
            EXPECT_TRUE(huge.open(QIODevice::WriteOnly));
            huge.write(QByteArray("SQLite format 3", 16));
            EXPECT_TRUE(huge.resize(256LL * 1024 * 1024 + (verb == "huge" ? 1 : 0)));
        } else if (verb == "sql") {
            EXPECT_TRUE(QFile::copy(path("good.zandoli"), file));
            EXPECT_EQ(runSql(file, text.split(" | ")), "") << step;
        } else if (verb != "missing") {
            throw std::invalid_argument(step);
        }
        const Rows before = content(path("a.sqlite"));
        const exchange::Outcome outcome = importRecord(path("a.sqlite"), file);
        EXPECT_FALSE(outcome.ok) << step;
        EXPECT_EQ(content(path("a.sqlite")), before) << step;
        const QString reason = outcome.message;
        return (reason.startsWith(file + " ") ? reason.mid(file.size() + 1) : reason).toStdString();
    }

    // The latest game as the results screen reads it: when it started, and
    // each player's name ("-" for a colour).
    static std::string latest(const QString& file) {
        const ResultsReader::Found read = ResultsReader(file).latest();
        if (read.failed() || !read.value) {
            return read.failed() ? "unreadable" : "none";
        }
        std::string line = "started " + std::to_string(read.value->startedMs);
        for (const PlayerResults& player : read.value->players) {
            line += " | " + (player.name.empty() ? "-" : player.name);
        }
        return line;
    }
    // TMPDIR made a folder of that name in the part's folder, for the
    // rest of the part.
    std::string temporary(const std::string& name) {
        const QString folder = path(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        qputenv("TMPDIR", folder.toUtf8());
        return "";
    }

    QTemporaryDir dir_;
    TemporaryFolder temporary_;
    exchange::Outcome last_;
};

TEST(Exchange, EachPartEndsAsItsStepsSay) {
    playParts<ExchangePlayer>(ZANDOLI_RECORD_DATA "/exchange.txt");
}

TEST(Exchange, AValuePastItsRangeIsRefusedAndTheLastWithinItMerged) {
    playParts<ExchangePlayer>(ZANDOLI_RECORD_DATA "/bounds.txt");
}

TEST(Exchange, QuotesInTheNamesOfFilesAndFoldersAreNames) {
    playParts<ExchangePlayer>(ZANDOLI_RECORD_DATA "/paths.txt");
}

TEST(Exchange, ARecordThatCannotBeReadSaysSoWhereAMissingOneHoldsNoGame) {
    playParts<ExchangePlayer>(ZANDOLI_RECORD_DATA "/unreadable.txt");
}

}  // namespace
}  // namespace zandoli::testing

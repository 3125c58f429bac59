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
    static const Vocabulary<ExchangePlayer>& verbs() {
        static const Vocabulary<ExchangePlayer> verbs(
            "a folder of records and files (tests/record/ExchangeTest.cpp)",
            {{"plant", "plant a.sqlite two", "a record planted: two, weekly, or -3600000 (ms)",
              &ExchangePlayer::planted},
             {"export", "export a.sqlite F", "the record exported to F: what it said",
              &ExchangePlayer::move},
             {"import", "import b.sqlite F", "F imported into the record: what it said",
              &ExchangePlayer::move},
             {"csv", "csv a.sqlite F", "every choice written to F: what it said",
              &ExchangePlayer::move},
             {"counted", "counted", "the games the last export or import added and knew",
              &ExchangePlayer::counted},
             {"exists", "exists F", "whether F is there", &ExchangePlayer::exists},
             {"sql", "sql F STATEMENT", "the statement run by another program",
              &ExchangePlayer::sql},
             {"rows", "rows F SQL", "the rows joined by \" / \"", &ExchangePlayer::rows},
             {"holds", "holds b.sqlite a.sqlite", "whether the first holds all the second does",
              &ExchangePlayer::holds},
             {"size", "size b.sqlite", "how many games, seats, choices and tallies",
              &ExchangePlayer::size},
             {"lines", "lines F", "how many lines F has", &ExchangePlayer::lines},
             {"line", "line F 4", "line 4 of F, past the game's uid", &ExchangePlayer::lines},
             {"pupils", "pupils a.sqlite week 1000 Ana",
              "the report's pupils (of that week or term, or lesson Tenths, or one), or "
              "\"unreadable\"",
              &ExchangePlayer::pupils},
             {"results", "results a.sqlite",
              "the latest game as the results screen reads it, \"none\" or \"unreadable\"",
              &ExchangePlayer::results},
             {"forget", "forget a.sqlite", "whether every game could be forgotten",
              &ExchangePlayer::forget},
             {"break", "break a.sqlite", "the file overwritten with what is no database",
              &ExchangePlayer::broken},
             {"temporary", "temporary Mrs O'Neil's class",
              "the temporary files of the rest of the part in a folder of that name",
              &ExchangePlayer::temporary},
             {"week", "week start 1000", "where the week begins", &ExchangePlayer::weekStart},
             {"period", "period term", "a period's name understood, or \"none\"",
              &ExchangePlayer::period},
             {"refuse", "refuse write F TEXT",
              "F (write, half, huge, largest, sql, missing) imported and refused: the reason",
              [](ExchangePlayer& player, const Step& step) {
                  return player.refuse(step.rest());
              }}});
        return verbs;
    }

private:
    QString file(const Step& step, size_t word = 0) const { return path(step.word(word)); }
    // What a step said, the folder's path left out.
    std::string said(QString what) const {
        return what.replace(dir_.path() + "/", QString()).toStdString();
    }
    std::string planted(const Step& step) {
        plant(file(step), step.word(1));
        return "";
    }
    std::string move(const Step& step) {
        const std::string& verb = step.verb();
        const QString from = file(step), to = file(step, 1);
        last_ = verb == "export"   ? exportRecord(from, to)
                : verb == "import" ? importRecord(from, to)
                                   : report::exportChoices(from, to, {});
        return said((last_.ok ? "" : "failed: ") + last_.message);
    }
    std::string counted(const Step&) const {
        return "added " + std::to_string(last_.gamesAdded) + ", known " +
               std::to_string(last_.gamesKnown);
    }
    std::string exists(const Step& step) { return QFile::exists(file(step)) ? "yes" : "no"; }
    // An export is left read-only; another program may change that.
    std::string sql(const Step& step) {
        const QFile::Permissions before = QFile::permissions(file(step));
        QFile::setPermissions(file(step), before | QFile::WriteOwner);
        const std::string done = runSql(file(step), {QString::fromStdString(step.rest(1))});
        QFile::setPermissions(file(step), before);
        return said(QString::fromStdString(done));
    }
    std::string rows(const Step& step) {
        return joined(readRows(file(step), QString::fromStdString(step.rest(1))));
    }
    std::string holds(const Step& step) {
        const Rows all = content(file(step));
        for (const std::string& row : content(file(step, 1))) {
            if (std::find(all.begin(), all.end(), row) == all.end()) {
                return "no: " + row;
            }
        }
        return "yes";
    }
    std::string size(const Step& step) { return std::to_string(content(file(step)).size()); }
    std::string lines(const Step& step) {
        const QList<QByteArray> lines = readBytes(file(step)).split('\n');
        if (step.verb() == "lines") {
            return std::to_string(lines.size());
        }
        // Past the game's uid, which differs each run; a CR shows as \r.
        QByteArray line = lines.value(std::stoi(step.word(1))).replace("\r", "\\r");
        return (step.word(1) == "0" ? line : line.mid(line.indexOf(',') + 1)).toStdString();
    }
    std::string pupils(const Step& step) {
        report::Period period = step.word(1) == "week"   ? week(std::stoll(step.rest(2)))
                                : step.word(1) == "term" ? term(std::stoll(step.rest(2)))
                                                         : report::Period{};
        QString pupil = QString::fromStdString(step.rest(2)).section(' ', 1);
        if (step.word(1) == "lesson") {
            period.lesson = QString::fromStdString(step.word(2));
            pupil = QString::fromStdString(step.rest(3));
        }
        const auto read = report::readPupils(file(step), period, pupil);
        std::vector<std::string> lines;
        for (const report::Pupil& p : read.value) {
            lines.push_back(pupilLine(p));
        }
        return read.failed() ? "unreadable" : joined(lines);
    }
    // The latest game as the results screen reads it: when it started, and
    // each player's name ("-" for a colour).
    std::string results(const Step& step) const {
        const ResultsReader::Found read = ResultsReader(file(step)).latest();
        if (read.failed() || !read.value) {
            return read.failed() ? "unreadable" : "none";
        }
        std::string line = "started " + std::to_string(read.value->startedMs);
        for (const PlayerResults& player : read.value->players) {
            line += " | " + (player.name.empty() ? "-" : player.name);
        }
        return line;
    }
    std::string forget(const Step& step) const {
        return ResultsReader(file(step)).forgetAll() ? "yes" : "no";
    }
    std::string broken(const Step& step) const {
        return writeBytes(file(step), "this is no database\n") ? "" : "not written";
    }
    // TMPDIR made a folder of that name in the part's folder, for the rest
    // of the part.
    std::string temporary(const Step& step) {
        const QString folder = path(step.rest());
        EXPECT_TRUE(QDir().mkpath(folder));
        qputenv("TMPDIR", folder.toUtf8());
        return "";
    }
    std::string weekStart(const Step& step) {
        return std::to_string(week(step.number(1)).fromMs - PLANTED_START_MS);
    }
    std::string period(const Step& step) {
        return report::periodNamed(QString::fromStdString(step.word(0))) ? step.word(0) : "none";
    }
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

    QTemporaryDir dir_;
    TemporaryFolder temporary_;
    exchange::Outcome last_;
};

// Each part ends as its steps say. bounds.txt: a value past its range is
// refused and the last within it merged. paths.txt: quotes in the names of
// files and folders are names. unreadable.txt: a record that cannot be read
// says so, where a missing one holds no game.
[[maybe_unused]] const bool exchangeRegistered =
    registerTranscript<ExchangePlayer>(ZANDOLI_RECORD_DATA "/exchange.txt") &&
    registerTranscript<ExchangePlayer>(ZANDOLI_RECORD_DATA "/bounds.txt") &&
    registerTranscript<ExchangePlayer>(ZANDOLI_RECORD_DATA "/paths.txt") &&
    registerTranscript<ExchangePlayer>(ZANDOLI_RECORD_DATA "/unreadable.txt");

}  // namespace
}  // namespace zandoli::testing

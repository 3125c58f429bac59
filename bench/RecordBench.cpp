// How long the learning record takes, on real SQLite files in a data folder
// of the benchmark's own:
//   - one choice of a turn written to the record (a wrong card, then a
//     match, in turn), as the table writes it while the game goes on;
//   - the results of the latest game read from a record of 10,000 games,
//     and the results screen built and shown on it (Qt's offscreen platform
//     unless QT_QPA_PLATFORM says otherwise).
//   record_bench [benchmark flags]      (run in the build folder, beside Images/)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"
#include "platform/Platform.h"
#include "record/Columns.h"
#include "record/ConfusionReader.h"
#include "record/Exchange.h"
#include "record/RecordStore.h"
#include "record/Report.h"
#include "record/ResultsReader.h"
#include "record/SavedFold.h"
#include "record/Sql.h"
#include "results/PracticeGame.h"
#include "results/ReportScreen.h"
#include "results/ResultsScreen.h"
#include "results/TeacherReport.h"

namespace zandoli {
namespace {

using Clock = std::chrono::steady_clock;

// 8 December 2026, 09:30 UTC.
constexpr int64_t FIRST_START_MS = 1796722200000;
constexpr int GAMES = 10000;

// The benchmark's own data folder, where RecordStore() and the screens look
// for the user's record.
QTemporaryDir& dataHome() {
    static QTemporaryDir data;
    return data;
}

// The median, the 90th percentile and the slowest of the times, in
// microseconds, as counters beside the mean Google Benchmark reports.
void reportSpread(benchmark::State& bench, std::vector<double>& micros) {
    if (micros.empty()) {
        return;
    }
    std::sort(micros.begin(), micros.end());
    bench.counters["median_us"] = micros[micros.size() / 2];
    bench.counters["p90_us"] = micros[micros.size() * 9 / 10];
    bench.counters["max_us"] = micros.back();
}

int64_t countRows(const QString& path, const QString& statement) {
    const sql::Connection file("bench-count", path);
    const auto count = sql::value(file.db(), statement);
    return count.failed() ? -1 : count.value.toLongLong();
}

// One choice after another into a record that grows as a long game's does.
void BM_RecordChoice(benchmark::State& bench) {
    const QString path = dataHome().path() + QStringLiteral("/choice.sqlite");
    QFile::remove(path);
    int64_t written = 0;
    std::vector<double> micros;
    {
        RecordStore store(path);
        int64_t at = FIRST_START_MS;
        store.gameStarted({.atMs = at, .players = 2, .names = {"", "Ana"}});
        // The spin opens the file and writes the game's row: not timed.
        store.recorded({.atMs = ++at, .what = Happening::Spin, .turn = 1, .position = 12});
        if (!store.open()) {
            bench.SkipWithError("the record could not be opened");
            return;
        }
        // 0.3 spun: the tile of 7 squares pressed for its unshaded part, then 30% matched.
        const RecordEntry wrong{.what = Happening::Wrong,
                                .turn = 1,
                                .position = 12,
                                .card = 8,
                                .mistake = MistakeRule::UnshadedPart};
        const RecordEntry match{.what = Happening::Match, .turn = 1, .position = 12, .card = 15};
        micros.reserve(1 << 16);
        for (auto _ : bench) {
            RecordEntry entry = written % 2 == 0 ? wrong : match;
            entry.atMs = ++at;
            const auto start = Clock::now();
            store.recorded(entry);
            micros.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            ++written;
        }
    }
    // Every choice timed is a row on disk.
    const int64_t rows =
        countRows(path, QStringLiteral("SELECT COUNT(*) FROM event WHERE what <> 'spin'"));
    if (rows != written) {
        bench.SkipWithError("a choice was not written");
        return;
    }
    reportSpread(bench, micros);
}
BENCHMARK(BM_RecordChoice)->Unit(benchmark::kMicrosecond);

// A row of the event table as RecordStore writes it.
struct Event {
    int turn;
    int colour;
    Happening what;
    int position;
    int16_t card = NO_CARD;
    std::optional<MistakeRule> mistake = std::nullopt;
    QString hand = {};  // a spin's: the cards held
};

// The row's values bound in the order of the table's columns
// (recordColumns::EVENT), as RecordStore writes them.
void bindEvent(QSqlQuery& row, int64_t game, int64_t atMs, const Event& e) {
    const double spun = SPINVALUES[static_cast<size_t>(e.position)];
    const CardValue* spinValue = cardValue(spun);
    const bool card = isCard(e.card);
    const CardValue* cardIs = card ? cardValue(cardCatalogue()[e.card].value) : nullptr;
    row.addBindValue(static_cast<qint64>(game));
    row.addBindValue(e.turn);
    row.addBindValue(static_cast<qint64>(atMs));
    row.addBindValue(e.colour);
    row.addBindValue(QString::fromUtf8(happeningKey(e.what)));
    row.addBindValue(e.position);
    row.addBindValue(spinValue != nullptr ? QVariant(spinValue->value) : QVariant());
    row.addBindValue(spinValue == nullptr
                         ? QVariant(valuesMatch(spun, BLUE_STAR) ? QStringLiteral("blue")
                                                                 : QStringLiteral("red"))
                         : QVariant());
    row.addBindValue(card ? QVariant(e.card) : QVariant());
    row.addBindValue(cardIs != nullptr ? QVariant(cardIs->value) : QVariant());
    row.addBindValue(card ? QVariant(QString::fromUtf8(formKey(kindOf(e.card)))) : QVariant());
    row.addBindValue(e.mistake ? QVariant(QString::fromUtf8(mistakeName(*e.mistake).key))
                               : QVariant());
    row.addBindValue(QVariant());  // explained_ms: no explanation shown
    row.addBindValue(e.hand.isEmpty() ? QVariant() : QVariant(e.hand));
}

// A game as a class plays them: each turn a spin and what the player did
// with it, a card matched, pressed wrong or passed by, until 20 to 60 rows.
std::vector<Event> playedGame(std::mt19937& random, int players) {
    std::vector<Event> events;
    const auto rows = std::uniform_int_distribution<int>(20, 60)(random);
    std::uniform_int_distribution<int> position(0, SPIN_POSITIONS - 1);
    std::uniform_int_distribution<int> anyCard(0, static_cast<int>(cardCatalogue().size()) - 1);
    std::uniform_int_distribution<int> choices(0, 3);
    std::uniform_int_distribution<int> ruleOf(0, 4);
    for (int turn = 1; static_cast<int>(events.size()) < rows; ++turn) {
        const int colour = (turn - 1) % players;
        const int at = position(random);
        QStringList held;
        for (int c = choices(random) + 4; c > 0; --c) {
            held << QString::number(anyCard(random) % PACK_SIZE);
        }
        events.push_back({turn, colour, Happening::Spin, at, NO_CARD, std::nullopt,
                          held.join(QLatin1Char(' '))});
        for (int c = choices(random); c > 0; --c) {
            const auto card = static_cast<int16_t>(anyCard(random));
            switch (choices(random)) {
                case 0:
                    events.push_back({turn, colour, Happening::Wrong, at, card,
                                      static_cast<MistakeRule>(ruleOf(random))});
                    break;
                case 1:
                    events.push_back(
                        {turn, colour, Happening::Miss, at, card, MistakeRule::Missed});
                    break;
                default:
                    events.push_back({turn, colour, Happening::Match, at, card});
                    break;
            }
        }
    }
    return events;
}

bool execute(QSqlQuery& query) {
    if (!query.exec()) {
        qWarning("record_bench: %s", qPrintable(query.lastError().text()));
        return false;
    }
    return true;
}

// The name of the player of `colour` in game `id`; none for a colour.
using NameOf = std::function<QVariant(int64_t id, int colour)>;

// The rows of one game: its row, its seats and its choices, a second apart
// from `start`. Whether every row was written.
struct FillQueries {
    QSqlQuery game;
    QSqlQuery seat;
    QSqlQuery event;
};
bool writeGame(FillQueries& q, int64_t id, int players, int64_t start,
               const std::vector<Event>& events, const NameOf& nameOf) {
    const bool won = id % 3 != 0;
    q.game.addBindValue(static_cast<qint64>(id));
    q.game.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
    q.game.addBindValue(static_cast<qint64>(start));
    q.game.addBindValue(players);
    q.game.addBindValue(static_cast<qint64>(start + 1000 * static_cast<int64_t>(events.size())));
    q.game.addBindValue(won ? QStringLiteral("won") : QStringLiteral("saved"));
    q.game.addBindValue(won ? QVariant(static_cast<int>(id % players)) : QVariant());
    bool ok = execute(q.game);
    for (int colour = 0; colour < players && ok; ++colour) {
        q.seat.addBindValue(static_cast<qint64>(id));
        q.seat.addBindValue(colour);
        q.seat.addBindValue(nameOf(id, colour));
        ok = execute(q.seat);
    }
    int64_t eventAt = start;
    for (auto e = events.begin(); e != events.end() && ok; ++e) {
        bindEvent(q.event, id, eventAt += 1000, *e);
        ok = execute(q.event);
    }
    return ok;
}

// `games` games of two to four players from `firstMs` on, the record made
// by RecordStore and the rows written in the record's own shape in one
// transaction (the store would commit each row, which takes minutes for so
// many); a day of eight games, a break, the next day. The file, or none.
QString fillRecord(const QString& name, int games, int64_t firstMs, const NameOf& nameOf) {
    const QString file = dataHome().path() + QLatin1Char('/') + name;
    if (!RecordStore(file).open()) {
        return QString();
    }
    const sql::Connection fill("bench-fill", file);
    QSqlDatabase db = fill.db();
    bool ok = fill.isOpen() && db.transaction();
    FillQueries q{QSqlQuery(db), QSqlQuery(db), QSqlQuery(db)};
    q.game.prepare(QStringLiteral(
        "INSERT INTO game (id, uid, started_ms, players, one_player, restored, ended_ms, "
        "ending, winner) VALUES (?, ?, ?, ?, 0, 0, ?, ?, ?)"));
    q.seat.prepare(QStringLiteral("INSERT INTO seat (game, colour, name) VALUES (?, ?, ?)"));
    q.event.prepare(QStringLiteral("INSERT INTO event (%1) VALUES (%2)")
                        .arg(recordColumns::list(recordColumns::EVENT),
                             recordColumns::placeholders(recordColumns::EVENT)));
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> playersOf(2, 4);
    int64_t at = firstMs;
    for (int64_t id = 1; id <= games && ok; ++id) {
        const int players = playersOf(random);
        const std::vector<Event> events = playedGame(random, players);
        ok = writeGame(q, id, players, at, events, nameOf);
        // A day of games, a break, the next day.
        at += 1000 * static_cast<int64_t>(events.size()) + (id % 8 == 0 ? 86400000 : 120000);
    }
    // The tallies, as the store keeps them row by row.
    QSqlQuery tally(db);
    ok = ok && tally.exec(recordColumns::tallyOf(QStringLiteral("1"))) && db.commit();
    return ok ? file : QString();
}

// 10,000 games in which Yellow is Ana and the others gave no name. Made once.
QString bigRecord() {
    static const QString path =
        fillRecord(QStringLiteral("big.sqlite"), GAMES, FIRST_START_MS, [](int64_t, int colour) {
            return colour == 1 ? QVariant(QStringLiteral("Ana")) : QVariant();
        });
    return path;
}

// 10,000 games of a class of 30, each player one of the pupils. Made once.
QString classRecord() {
    static const QString path = fillRecord(
        QStringLiteral("class.sqlite"), GAMES, FIRST_START_MS, [](int64_t id, int colour) {
            return QVariant(QStringLiteral("Pupil %1").arg((id * 4 + colour) % 30 + 1));
        });
    return path;
}

// A class of 30 over a term: 8 games a school day for twelve weeks, up to
// this week, each player one of the 30 pupils. Made once.
constexpr int CLASS = 30;
constexpr int TERM_GAMES = 8 * 5 * 12;
QString termRecord() {
    static const QString path = [] {
        const int64_t now = QDateTime::currentMSecsSinceEpoch();
        const int64_t first = report::periodOf(report::PeriodKind::Term, now).fromMs + 3'600'000;
        return fillRecord(
            QStringLiteral("term.sqlite"), TERM_GAMES, first, [](int64_t id, int colour) {
                return QVariant(QStringLiteral("Pupil %1").arg((id * 4 + colour) % CLASS + 1));
            });
    }();
    return path;
}

// The games of the big record have ids 1 to 10,000, each with 2 to 4 players.
bool isLatestGame(const std::optional<GameResults>& game) {
    return game && game->id == GAMES && game->players.size() >= 2 && game->players.size() <= 4 &&
           game->spins > 0;
}

void BM_LatestResults(benchmark::State& bench) {
    const QString path = bigRecord();
    if (path.isEmpty()) {
        bench.SkipWithError("the record of 10,000 games could not be made");
        return;
    }
    std::vector<double> micros;
    for (auto _ : bench) {
        const auto start = Clock::now();
        // A reader of its own each time: the file opened as the screen first opens it.
        ResultsReader reader(path);
        const std::optional<GameResults> game = reader.latest().value;
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (!isLatestGame(game)) {
            bench.SkipWithError("the latest game was not read");
            return;
        }
    }
    reportSpread(bench, micros);
    bench.counters["events"] =
        static_cast<double>(countRows(path, QStringLiteral("SELECT COUNT(*) FROM event")));
}
BENCHMARK(BM_LatestResults)->Unit(benchmark::kMillisecond);

// A screen on the record of 10,000 games, built and shown by `show` until
// its first paint is done; `wrong` says what is wrong with what it shows,
// or nothing. Unloaded untimed before the next.
template <typename Shown>
void timeScreen(benchmark::State& bench, const std::function<void(Shown&)>& show,
                const std::function<const char*(const Shown&)>& wrong) {
    const QString path = bigRecord();
    if (path.isEmpty()) {
        bench.SkipWithError("the record of 10,000 games could not be made");
        return;
    }
    std::vector<double> micros;
    for (auto _ : bench) {
        const auto start = Clock::now();
        Shown screen(path);
        show(screen);
        if (!QTest::qWaitForWindowExposed(screen.window())) {
            bench.SkipWithError("the screen was not shown");
            return;
        }
        QCoreApplication::processEvents();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (const char* why = wrong(screen)) {
            bench.SkipWithError(why);
            return;
        }
        bench.PauseTiming();
        screen.unload();
        QCoreApplication::processEvents();
        bench.ResumeTiming();
    }
    reportSpread(bench, micros);
}

// The screen as the title's Results button opens it: built, filled with
// the latest game (which also asks for the games before and after it) and
// shown.
void BM_ResultsScreen(benchmark::State& bench) {
    timeScreen<ResultsScreen>(
        bench, [](ResultsScreen& results) { results.showLatest(); },
        [](const ResultsScreen& results) {
            return isLatestGame(results.shownGame()) ? nullptr
                                                     : "the results screen shows another game";
        });
}
BENCHMARK(BM_ResultsScreen)->Unit(benchmark::kMillisecond);

// The report screen as the results' Report button opens it, on every
// pupil's games of all time: the record read and a page drawn for each
// pupil (Ana in all 10,000 games, and each colour that gave no name).
void BM_ReportScreen(benchmark::State& bench) {
    timeScreen<ReportScreen>(
        bench, [](ReportScreen& report) { report.showReport(); },
        [](const ReportScreen& report) {
            const auto ana =
                std::find_if(report.pupils().begin(), report.pupils().end(),
                             [](const report::Pupil& p) { return p.results.name == "Ana"; });
            return ana != report.pupils().end() && ana->games == GAMES &&
                           report.shownPages() == static_cast<int>(report.pupils().size())
                       ? nullptr
                       : "the report screen does not show a page for each pupil";
        });
}
BENCHMARK(BM_ReportScreen)->Unit(benchmark::kMillisecond);

// One pupil's report in a class's 10,000 games: Pupil 7 plays in about a
// tenth of them.
void BM_PupilReportInAClass(benchmark::State& bench) {
    const QString path = classRecord();
    std::vector<double> micros;
    for (auto _ : bench) {
        const auto start = Clock::now();
        const std::vector<report::Pupil> pupil =
            report::readPupils(path, report::Period{}, QStringLiteral("Pupil 7")).value;
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (pupil.size() != 1 || pupil[0].games < 500 || pupil[0].results.spins == 0) {
            bench.SkipWithError("Pupil 7's report does not hold the pupil's games");
            return;
        }
        bench.counters["games"] = pupil[0].games;
    }
    reportSpread(bench, micros);
}
BENCHMARK(BM_PupilReportInAClass)->Unit(benchmark::kMillisecond);

// The far case: one pupil's report over every game, Ana in each of the 10,000.
void BM_PupilReport(benchmark::State& bench) {
    const QString path = bigRecord();
    std::vector<double> micros;
    for (auto _ : bench) {
        const auto start = Clock::now();
        const std::vector<report::Pupil> ana =
            report::readPupils(path, report::Period{}, QStringLiteral("Ana")).value;
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (ana.size() != 1 || ana[0].games != GAMES || ana[0].results.spins == 0) {
            bench.SkipWithError("Ana's report does not hold her 10,000 games");
            return;
        }
    }
    reportSpread(bench, micros);
}
BENCHMARK(BM_PupilReport)->Unit(benchmark::kMillisecond);

// A practice game built for a pupil: the confusions replayed from the
// record and the deck dealt from them; Pupil 7 of a class, and Ana in all
// 10,000 games. Warm: the days before the last are kept beside the record
// from the reading before, as after any game or results screen of the
// pupil's; cold: they are not, and every row of the pupil's is replayed.
void practiceGame(benchmark::State& bench, const QString& path, const QString& pupil, bool cold) {
    const QString kept = confusions::savedFoldsFolder(path);
    QDir(kept).removeRecursively();
    practiceSettings(GameSettings{}, pupil, path);
    std::vector<double> micros;
    for (auto _ : bench) {
        if (cold) {
            QDir(kept).removeRecursively();
        }
        const auto start = Clock::now();
        const GameSettings settings = practiceSettings(GameSettings{}, pupil, path);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (!settings.practice || settings.deck.firstHand.size() != DEALT_CARDS) {
            bench.SkipWithError("no practice game was dealt");
            return;
        }
    }
    reportSpread(bench, micros);
    const auto confusions =
        confusions::readConfusions(path, pupil, confusions::localOffsetMs()).value;
    bench.counters["confusions"] = static_cast<double>(confusions.size());
    bench.counters["open"] = static_cast<double>(practiceItems(confusions).size());
}
void BM_PracticeGameInAClass(benchmark::State& bench, bool cold) {
    practiceGame(bench, classRecord(), QStringLiteral("Pupil 7"), cold);
}
BENCHMARK_CAPTURE(BM_PracticeGameInAClass, warm, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PracticeGameInAClass, cold, true)->Unit(benchmark::kMillisecond);
void BM_PracticeGame(benchmark::State& bench, bool cold) {
    practiceGame(bench, bigRecord(), QStringLiteral("Ana"), cold);
}
BENCHMARK_CAPTURE(BM_PracticeGame, warm, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PracticeGame, cold, true)->Unit(benchmark::kMillisecond);

// The PDF of a class of 30 over the term: a page each.
void BM_ClassReportPdf(benchmark::State& bench) {
    const QString path = termRecord();
    const QString pdf = dataHome().path() + QStringLiteral("/class.pdf");
    const report::Period term =
        report::periodOf(report::PeriodKind::Term, QDateTime::currentMSecsSinceEpoch());
    std::vector<double> micros;
    for (auto _ : bench) {
        const auto start = Clock::now();
        const exchange::Outcome written = writeTeacherReport(path, pdf, term);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (!written.ok || !written.message.contains(QStringLiteral(" 30 pupils"))) {
            bench.SkipWithError(
                qPrintable(QStringLiteral("no page for each of 30: ") + written.message));
            return;
        }
    }
    reportSpread(bench, micros);
    bench.counters["bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(BM_ClassReportPdf)->Unit(benchmark::kMillisecond);

// Another machine's term merged into a record of this machine's own term.
void BM_ImportTerm(benchmark::State& bench) {
    const QString path = termRecord();
    const QString file = dataHome().path() + QStringLiteral("/term.zandoli");
    const QString mine = dataHome().path() + QStringLiteral("/mine.sqlite");
    if (!exchange::exportRecord(path, file).ok) {
        bench.SkipWithError("the term could not be exported");
        return;
    }
    std::vector<double> micros;
    for (auto _ : bench) {
        bench.PauseTiming();
        for (const char* part : {"", "-wal", "-shm"}) {
            QFile::remove(mine + QLatin1String(part));
        }
        QFile::copy(bigRecord(), mine);
        bench.ResumeTiming();
        const auto start = Clock::now();
        const exchange::Outcome merged = exchange::importRecord(mine, file);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (!merged.ok || merged.gamesAdded != TERM_GAMES) {
            bench.SkipWithError(qPrintable(merged.message));
            return;
        }
    }
    reportSpread(bench, micros);
}
BENCHMARK(BM_ImportTerm)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zandoli

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The screens read the user's record from here, never from the user's own.
    qputenv("XDG_DATA_HOME", zandoli::dataHome().path().toUtf8());
    QApplication app(argc, argv);
    zandoli::installFontSubstitutions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "record/RecordQueries.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <map>
#include <tuple>

#include "record/Columns.h"
#include "record/Sql.h"

namespace zandoli::recordQueries {

namespace {

using namespace recordColumns;

constexpr int64_t DAY_MS = 86'400'000;
constexpr int64_t WEEK_MS = 7 * DAY_MS;
// 1970 began on a Thursday: its Monday was three days before.
constexpr int64_t FROM_MONDAY_MS = 3 * DAY_MS;

bool knownForm(const QString& key) {
    return std::any_of(FORM_KEYS.begin(), FORM_KEYS.end(),
                       [&key](const char* form) { return key == QLatin1String(form); });
}

// A kind of mistake of one player, and where its first example is.
struct Group {
    PlayerResults* player = nullptr;
    MistakeRule rule = MistakeRule::Other;
    int times = 0;
    qint64 first = 0;
};
// Groups by player, happening and the rule, or the missed card's form and value.
using Groups = std::map<std::tuple<int, QString, QString>, Group>;

// The scope's rows of `select` in `query`.
QSqlError run(QSqlQuery& query, const Scope& scope, const QString& select,
              const QVariantList& values) {
    return sql::exec(query, scope.with + QLatin1Char(' ') + select, scope.binds + values);
}

// One reading's counts, spins first, added to the player's and its week's.
void addCounts(const QSqlQuery& counted, PlayerResults& player, FormCounts& week) {
    player.spins += counted.value(2).toInt();
    for (int form = 0; form < CARD_FORMS; ++form) {
        const auto count = [&counted, form](int what) {
            return counted.value(3 + what * CARD_FORMS + form).toInt();
        };
        FormCounts& counts = player.forms[static_cast<size_t>(form)];
        counts.matched += count(0);
        counts.wrong += count(1);
        counts.missed += count(2);
        week.matched += count(0);
        week.wrong += count(1);
        week.missed += count(2);
    }
}

// The counts from the tallies, a game in the week it began.
QSqlError readCounts(const QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf,
                     const PerWeek& perWeek, int64_t offsetMs) {
    QStringList sums;
    for (const QString& column : tallyCounts()) {
        sums << QStringLiteral("sum(t.%1)").arg(column);
    }
    QSqlQuery counted(db);
    const QSqlError error = run(
        counted, scope,
        QStringLiteral("SELECT m.who, (g.started_ms + ?) / %1, %2 FROM mine m CROSS JOIN tally t "
                       "CROSS JOIN game g WHERE t.game = m.game AND t.colour = m.colour AND g.id "
                       "= m.game GROUP BY 1, 2")
            .arg(QString::number(WEEK_MS), sums.join(QStringLiteral(", "))),
        {static_cast<qint64>(offsetMs + FROM_MONDAY_MS)});
    std::map<std::pair<int, int64_t>, FormCounts> weeks;
    while (!error.isValid() && counted.next()) {
        const int who = counted.value(0).toInt();
        if (PlayerResults* player = playerOf(who)) {
            addCounts(counted, *player, weeks[{who, counted.value(1).toLongLong()}]);
        }
    }
    if (perWeek) {
        for (const auto& [week, cards] : weeks) {
            perWeek(week.first, week.second, cards);
        }
    }
    return error.isValid() ? error : counted.lastError();
}

// The wrong cards and misses of the scope, grouped.
QSqlError readGroups(const QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf,
                     Groups& groups) {
    const QString wrong = quoted(happeningKey(Happening::Wrong));
    QSqlQuery slips(db);
    const QSqlError error = run(
        slips, scope,
        QStringLiteral("SELECT m.who, e.what, e.card_form, MIN(e.mistake), MIN(e.card_value), "
                       "COUNT(*), MIN(e.id) FROM mine m CROSS JOIN event e WHERE e.game = m.game "
                       "AND e.colour = m.colour AND e.what IN (%1, %2) GROUP BY 1, 2, 3, CASE "
                       "e.what WHEN %1 THEN e.mistake ELSE e.card_value END")
            .arg(wrong, quoted(happeningKey(Happening::Miss))),
        {});
    while (!error.isValid() && slips.next()) {
        const int who = slips.value(0).toInt();
        PlayerResults* player = playerOf(who);
        const auto rule = mistakeRule(slips.value(3).toString().toStdString());
        if (player == nullptr || !knownForm(slips.value(2).toString()) || !rule) {
            continue;
        }
        const QString what = slips.value(1).toString();
        Group& group = groups[{who, what,
                               what == QLatin1String(happeningKey(Happening::Wrong))
                                   ? slips.value(3).toString()
                                   : slips.value(2).toString() + slips.value(4).toString()}];
        const qint64 first = slips.value(6).toLongLong();
        group.first = group.times == 0 ? first : std::min(group.first, first);
        group.player = player;
        group.rule = *rule;
        group.times += slips.value(5).toInt();
    }
    return error.isValid() ? error : slips.lastError();
}

// Each group as a mistake of its player, the most frequent first, with the
// spin and card of its first row.
QSqlError readMistakes(const QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf) {
    Groups groups;
    if (QSqlError error = readGroups(db, scope, playerOf, groups); error.isValid()) {
        return error;
    }
    std::vector<Group> found;
    QStringList ids;
    for (const auto& [key, group] : groups) {
        found.push_back(group);
        ids << QString::number(group.first);
    }
    if (found.empty()) {
        return {};
    }
    std::sort(found.begin(), found.end(), [](const Group& a, const Group& b) {
        return a.times != b.times ? a.times > b.times : a.first < b.first;
    });
    const auto examples =
        sql::rows(db, QStringLiteral("SELECT id, position, card FROM event WHERE id IN (%1)")
                          .arg(ids.join(QLatin1Char(','))));
    std::map<qint64, std::pair<int, int16_t>> byId;
    for (const QVariantList& example : examples.value) {
        byId[example[0].toLongLong()] = {example[1].toInt(),
                                         static_cast<int16_t>(example[2].toInt())};
    }
    for (const Group& group : found) {
        const auto [position, card] = byId[group.first];
        group.player->mistakes.push_back(
            {.rule = group.rule, .times = group.times, .position = position, .card = card});
    }
    return examples.error;
}

}  // namespace

QSqlError readResults(const QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf,
                      const PerWeek& perWeek, int64_t offsetMs) {
    const QSqlError error = readCounts(db, scope, playerOf, perWeek, offsetMs);
    return error.isValid() ? error : readMistakes(db, scope, playerOf);
}

}  // namespace zandoli::recordQueries

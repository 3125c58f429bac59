#include "record/RecordQueries.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <map>
#include <tuple>

#include "record/Schema.h"

namespace zandoli::recordQueries {

namespace {

constexpr int64_t DAY_MS = 86'400'000;
constexpr int64_t WEEK_MS = 7 * DAY_MS;
// 1970 began on a Thursday: its Monday was three days before.
constexpr int64_t FROM_MONDAY_MS = 3 * DAY_MS;

int formIndex(const QString& key) {
    for (int form = 0; form < CARD_FORMS; ++form) {
        if (key == QLatin1String(formKey(static_cast<CardKind>(form)))) {
            return form;
        }
    }
    return -1;
}

// A kind of mistake of one player, and where its first example is.
struct Group {
    PlayerResults* player = nullptr;
    MistakeRule rule = MistakeRule::Other;
    int times = 0;
    qint64 first = 0;
};

}  // namespace

void readResults(QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf,
                 const PerWeek& perWeek, int64_t offsetMs) {
    const auto run = [&db, &scope](const QString& select, const QVariantList& more) {
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        rows.prepare(scope.with + QLatin1Char(' ') + select);
        for (const QVariant& value : scope.binds + more) {
            rows.addBindValue(value);
        }
        rows.exec();
        return rows;
    };
    // The counts from the tallies, a game in the week it began: spins, then
    // matched, wrong and missed of each form.
    QStringList sums;
    for (const QString& column : recordSchema::tallyColumns().split(QStringLiteral(", "))) {
        sums << QStringLiteral("sum(t.%1)").arg(column);
    }
    QSqlQuery counted = run(
        QStringLiteral("SELECT m.who, (g.started_ms + ?) / %1, %2 FROM mine m CROSS JOIN tally t "
                       "CROSS JOIN game g WHERE t.game = m.game AND t.colour = m.colour AND g.id "
                       "= m.game GROUP BY 1, 2")
            .arg(QString::number(WEEK_MS), sums.join(QStringLiteral(", "))),
        {static_cast<qint64>(offsetMs + FROM_MONDAY_MS)});
    std::map<std::pair<int, int64_t>, FormCounts> weeks;
    while (counted.next()) {
        const int who = counted.value(0).toInt();
        PlayerResults* player = playerOf(who);
        if (player == nullptr) {
            continue;
        }
        player->spins += counted.value(2).toInt();
        FormCounts& week = weeks[{who, counted.value(1).toLongLong()}];
        for (int form = 0; form < CARD_FORMS; ++form) {
            const auto count = [&counted, form](int what) {
                return counted.value(3 + what * CARD_FORMS + form).toInt();
            };
            FormCounts& counts = player->forms[static_cast<size_t>(form)];
            counts.matched += count(0);
            counts.wrong += count(1);
            counts.missed += count(2);
            week.matched += count(0);
            week.wrong += count(1);
            week.missed += count(2);
        }
    }
    if (perWeek) {
        for (const auto& [week, cards] : weeks) {
            perWeek(week.first, week.second, cards);
        }
    }

    // The wrong cards and misses, grouped, from the rows.
    QSqlQuery slips = run(
        QStringLiteral("SELECT m.who, e.what, e.card_form, MIN(e.mistake), MIN(e.card_value), "
                       "COUNT(*), MIN(e.id) FROM mine m CROSS JOIN event e WHERE e.game = m.game "
                       "AND e.colour = m.colour AND e.what IN ('wrong', 'miss') GROUP BY 1, 2, 3, "
                       "CASE e.what WHEN 'wrong' THEN e.mistake ELSE e.card_value END"),
        {});
    std::map<std::tuple<int, QString, QString>, Group> groups;
    while (slips.next()) {
        const int who = slips.value(0).toInt();
        PlayerResults* player = playerOf(who);
        const auto rule = mistakeRule(slips.value(3).toString().toStdString());
        if (player == nullptr || formIndex(slips.value(2).toString()) < 0 || !rule) {
            continue;
        }
        const QString what = slips.value(1).toString();
        const bool wrong = what == QLatin1String("wrong");
        Group& group = groups[{who, what,
                               wrong ? slips.value(3).toString()
                                     : slips.value(2).toString() + slips.value(4).toString()}];
        const qint64 first = slips.value(6).toLongLong();
        group.first = group.times == 0 ? first : std::min(group.first, first);
        group.player = player;
        group.rule = *rule;
        group.times += slips.value(5).toInt();
    }
    std::vector<Group> found;
    QStringList ids;
    for (const auto& [key, group] : groups) {
        found.push_back(group);
        ids << QString::number(group.first);
    }
    std::sort(found.begin(), found.end(), [](const Group& a, const Group& b) {
        return a.times != b.times ? a.times > b.times : a.first < b.first;
    });
    // Each example's spin and card, by the id of its first row.
    std::map<qint64, std::pair<int, int16_t>> examples;
    QSqlQuery example(db);
    if (!ids.isEmpty() &&
        example.exec(QStringLiteral("SELECT id, position, card FROM event WHERE id IN (%1)")
                         .arg(ids.join(QLatin1Char(','))))) {
        while (example.next()) {
            examples[example.value(0).toLongLong()] = {
                example.value(1).toInt(), static_cast<int16_t>(example.value(2).toInt())};
        }
    }
    for (const Group& group : found) {
        const auto [position, card] = examples[group.first];
        group.player->mistakes.push_back(
            {.rule = group.rule, .times = group.times, .position = position, .card = card});
    }
}

}  // namespace zandoli::recordQueries

#include "record/RecordQueries.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <map>
#include <tuple>

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
    QSqlQuery rows(db);
    rows.prepare(scope.with +
                 QStringLiteral(" SELECT who, (at_ms + ?) / %1, what, card_form, MIN(mistake), "
                                "MIN(card_value), COUNT(*), MIN(id) FROM mine WHERE what IN "
                                "('spin', 'match', 'wrong', 'miss') GROUP BY 1, 2, 3, 4, CASE what "
                                "WHEN 'wrong' THEN mistake WHEN 'miss' THEN card_value END")
                     .arg(WEEK_MS));
    for (const QVariant& value : scope.binds) {
        rows.addBindValue(value);
    }
    rows.addBindValue(static_cast<qint64>(offsetMs + FROM_MONDAY_MS));
    rows.setForwardOnly(true);
    rows.exec();
    std::map<std::tuple<int, QString, QString>, Group> groups;
    std::map<int64_t, FormCounts> weeks;
    while (rows.next()) {
        const int who = rows.value(0).toInt();
        PlayerResults* player = playerOf(who);
        const QString what = rows.value(2).toString();
        const int count = rows.value(6).toInt();
        if (player == nullptr) {
            continue;
        }
        if (what == QLatin1String("spin")) {
            player->spins += count;
            continue;
        }
        const int form = formIndex(rows.value(3).toString());
        if (form < 0) {
            continue;
        }
        const bool wrong = what == QLatin1String("wrong");
        const bool missed = what == QLatin1String("miss");
        FormCounts& counts = player->forms[static_cast<size_t>(form)];
        FormCounts& week = weeks[rows.value(1).toLongLong()];
        (wrong ? counts.wrong : missed ? counts.missed : counts.matched) += count;
        (wrong ? week.wrong : missed ? week.missed : week.matched) += count;
        const auto rule = mistakeRule(rows.value(4).toString().toStdString());
        if (!(wrong || missed) || !rule) {
            continue;
        }
        Group& group = groups[{who, what,
                               wrong ? rows.value(4).toString()
                                     : rows.value(3).toString() + rows.value(5).toString()}];
        const qint64 first = rows.value(7).toLongLong();
        group.first = group.times == 0 ? first : std::min(group.first, first);
        group.player = player;
        group.rule = *rule;
        group.times += count;
    }
    if (perWeek) {
        for (const auto& [week, cards] : weeks) {
            perWeek(week, cards);
        }
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

#include "record/RecordQueries.h"

#include <QSqlQuery>
#include <QVariant>

namespace zandoli::recordQueries {

namespace {

int formIndex(const QString& key) {
    for (int form = 0; form < CARD_FORMS; ++form) {
        if (key == QLatin1String(formKey(static_cast<CardKind>(form)))) {
            return form;
        }
    }
    return -1;
}

QSqlQuery prepared(QSqlDatabase& db, const Scope& scope, const QString& select) {
    QSqlQuery query(db);
    query.prepare(scope.with + QLatin1Char(' ') + select);
    for (const QVariant& value : scope.binds) {
        query.addBindValue(value);
    }
    query.exec();
    return query;
}

}  // namespace

void readCounts(QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf) {
    QSqlQuery rows =
        prepared(db, scope,
                 QStringLiteral("SELECT who, what, card_form, COUNT(*) FROM mine WHERE "
                                "what IN ('spin', 'match', 'wrong', 'miss') GROUP BY "
                                "who, what, card_form"));
    while (rows.next()) {
        PlayerResults* player = playerOf(rows.value(0).toInt());
        if (player == nullptr) {
            continue;
        }
        const QString what = rows.value(1).toString();
        const int count = rows.value(3).toInt();
        if (what == QLatin1String("spin")) {
            player->spins += count;
            continue;
        }
        const int form = formIndex(rows.value(2).toString());
        if (form < 0) {
            continue;
        }
        FormCounts& counts = player->forms[static_cast<size_t>(form)];
        (what == QLatin1String("match")   ? counts.matched
         : what == QLatin1String("wrong") ? counts.wrong
                                          : counts.missed) += count;
    }
}

void readMistakes(QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf) {
    QSqlQuery rows = prepared(
        db, scope,
        QStringLiteral("SELECT e.who, e.mistake, g.times, e.position, e.card FROM (SELECT MIN(id) "
                       "AS first, COUNT(*) AS times FROM mine WHERE what IN ('wrong', 'miss') "
                       "GROUP BY who, what, CASE what WHEN 'wrong' THEN mistake ELSE card_form || "
                       "card_value END) g JOIN mine e ON e.id = g.first ORDER BY g.times DESC, "
                       "e.id"));
    while (rows.next()) {
        PlayerResults* player = playerOf(rows.value(0).toInt());
        const auto rule = mistakeRule(rows.value(1).toString().toStdString());
        if (player == nullptr || !rule) {
            continue;
        }
        player->mistakes.push_back({.rule = *rule,
                                    .times = rows.value(2).toInt(),
                                    .position = rows.value(3).toInt(),
                                    .card = static_cast<int16_t>(rows.value(4).toInt())});
    }
}

}  // namespace zandoli::recordQueries

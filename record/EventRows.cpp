#include "record/EventRows.h"

#include <QStringList>
#include <array>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"
#include "record/Columns.h"
#include "record/Mistakes.h"

namespace zandoli::eventRows {

using namespace recordColumns;

QVariant orNull(bool present, const QVariant& value) {
    return present ? value : QVariant();
}

QVariantList eventRow(qint64 game, const RecordEntry& entry) {
    const bool spun = entry.position >= 0 && entry.position < SPIN_POSITIONS;
    const double result =
        spun ? entry.spun.value_or(SPINVALUES[static_cast<size_t>(entry.position)]) : RED_STAR;
    // The table's literal values, so that a tenth reads 0.3 and not 3 * 0.1.
    const CardValue* spinValue = cardValue(result);
    const bool card = isCard(entry.card);
    const CardValue* cardIs = card ? cardValue(cardCatalogue()[entry.card].value) : nullptr;
    std::array<QVariant, EVENT.size()> row;
    row[at(Event::Game)] = game;
    row[at(Event::Turn)] = entry.turn;
    row[at(Event::AtMs)] = static_cast<qint64>(entry.atMs);
    row[at(Event::Colour)] = entry.colour;
    row[at(Event::What)] = QString::fromUtf8(happeningKey(entry.what));
    row[at(Event::Position)] = entry.position;
    row[at(Event::SpinValue)] = orNull(spinValue != nullptr, spinValue ? spinValue->value : 0.0);
    row[at(Event::Star)] = orNull(spinValue == nullptr,
                                  QString::fromUtf8(valuesMatch(result, BLUE_STAR) ? BLUE : RED));
    row[at(Event::Card)] = orNull(card, entry.card);
    row[at(Event::CardValue)] = orNull(cardIs != nullptr, cardIs ? cardIs->value : 0.0);
    row[at(Event::CardForm)] =
        orNull(card, QString::fromUtf8(card ? formKey(kindOf(entry.card)) : ""));
    row[at(Event::Mistake)] =
        orNull(entry.mistake.has_value(),
               QString::fromUtf8(entry.mistake ? mistakeName(*entry.mistake).key : ""));
    row[at(Event::ExplainedMs)] =
        orNull(entry.explainedMs.has_value(), static_cast<qint64>(entry.explainedMs.value_or(0)));
    QStringList held;
    for (int16_t card : entry.hand) {
        held << QString::number(card);
    }
    row[at(Event::Hand)] =
        orNull(entry.what == Happening::Spin && !held.isEmpty(), held.join(QLatin1Char(' ')));
    return QVariantList(row.begin(), row.end());
}

// What the row adds to its colour's tally, as tallyOf() counts it: a spin,
// or a card matched, wrong or missed; a star's card adds to nothing, but
// the colour has its tally all the same.
QString tallyStatement(const RecordEntry& entry) {
    QString counted;
    if (entry.what == Happening::Spin) {
        counted = QString::fromUtf8(SPINS);
    } else if (isCard(entry.card) && entry.what != Happening::RedStar &&
               entry.what != Happening::BlueStar) {
        counted = tallyCount(entry.what, kindOf(entry.card));
    }
    return counted.isEmpty()
               ? QStringLiteral(
                     "INSERT INTO tally (game, colour) VALUES (?, ?) ON CONFLICT DO NOTHING")
               : QStringLiteral(
                     "INSERT INTO tally (game, colour, %1) VALUES (?, ?, 1) ON "
                     "CONFLICT (game, colour) DO UPDATE SET %1 = %1 + 1")
                     .arg(counted);
}

}  // namespace zandoli::eventRows

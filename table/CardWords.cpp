#include "table/CardWords.h"

#include <QCoreApplication>
#include <array>
#include <cmath>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"
#include "language/Numbers.h"

namespace zandoli {

namespace {

QString say(const char* text) {
    return QCoreApplication::translate("Cards", text);
}

}  // namespace

QString valueWords(double value) {
    // Each value is translated whole, so a language says "trois dixièmes" or
    // "drei Zehntel" with its own plurals and genders.
    const CardValue* named = cardValue(value);
    return named == nullptr ? QString() : say(named->words);
}

QString cardWords(int16_t card) {
    if (!isCard(card)) {
        return {};
    }
    const CardEntry& entry = cardCatalogue()[static_cast<size_t>(card)];
    const QString words = valueWords(entry.value);
    switch (kindOf(card)) {
        case CardKind::Whole:
            return QCoreApplication::translate("Cards", "%1, as a whole number: %2")
                .arg(words, numbers::count(1));
        case CardKind::Decimal:
            return QCoreApplication::translate("Cards", "%1, as a decimal: %2")
                .arg(words, numbers::decimal(entry.value));
        case CardKind::Percent:
            // "30 percent": the sign in words, as it is read aloud.
            return QCoreApplication::translate("Cards", "%1, as a percentage: %2 percent")
                .arg(words, numbers::count(static_cast<int>(std::lround(entry.value * 100))));
        case CardKind::Fraction:
            return QCoreApplication::translate("Cards", "%1, as a fraction: %2 over %3")
                .arg(words, numbers::count(entry.numerator), numbers::count(entry.denominator));
        case CardKind::Tile:
            return QCoreApplication::translate("Cards",
                                               "%1, as a tile with %n of 20 squares shaded",
                                               nullptr, tileShaded(card))
                .arg(words);
    }
    return {};
}

QString spinWords(double result) {
    if (valuesMatch(RED_STAR, result)) {
        return QCoreApplication::translate("Cards", "star on red: discard any one card");
    }
    if (valuesMatch(BLUE_STAR, result)) {
        return QCoreApplication::translate("Cards", "star on blue: take a card from the pack");
    }
    if (valuesMatch(0.5, result)) {
        return QCoreApplication::translate("Cards", "half shaded");
    }
    if (valuesMatch(1.0, result)) {
        return QCoreApplication::translate("Cards", "all shaded");
    }
    const QString words = valueWords(result);
    return words.isEmpty() ? QString()
                           : QCoreApplication::translate("Cards", "%1 shaded").arg(words);
}

}  // namespace zandoli

#include "table/ExplanationWords.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"
#include "language/Numbers.h"
#include "record/Mistakes.h"
#include "table/CardWords.h"

namespace zandoli {

namespace {

// The explanations' words, in the translators' "Explain" context.
struct Explain {
    Q_DECLARE_TR_FUNCTIONS(Explain)
};

int shadedOf(double value) {
    const CardValue* known = cardValue(value);
    return known == nullptr ? 0 : known->tileShaded();
}

QString fraction(int numerator, int denominator) {
    return numbers::count(numerator) + QLatin1Char('/') + numbers::count(denominator);
}

// How the sentence names a card: its face, or for a tile its value.
// A card as its face writes it; a tile, which writes nothing, by its
// shaded squares.
QString named(int16_t card) {
    const QString face = cardFace(card);
    return face.isEmpty() ? Explain::tr("a tile with %1 of 20 shaded")
                                .arg(numbers::count(shadedOf(cardCatalogue()[card].value)))
                          : face;
}

// The fraction whose digit was read as tenths, and what it was read as.
QString digitsSentence(double spin, int16_t card) {
    const CardEntry& entry = cardCatalogue()[card];
    if (kindOf(card) == CardKind::Fraction) {
        return Explain::tr("The digits of a fraction are not tenths: %1 is not %2.")
            .arg(fraction(entry.numerator, entry.denominator), numbers::decimal(spin));
    }
    const CardValue* shown = cardValue(spin);
    return Explain::tr("The digits of a fraction are not tenths: %1 is not %2.")
        .arg(fraction(shown->numerator, shown->denominator), named(card));
}

// The sentence's first part: what the child seems to have done.
QString leadFor(MistakeRule rule, double spin, int16_t card) {
    const double value = cardCatalogue()[card].value;
    const bool more = value > spin;
    switch (rule) {
        case MistakeRule::UnshadedPart:
            return Explain::tr("You counted the white squares.");
        case MistakeRule::FractionDigits:
            return digitsSentence(spin, card);
        case MistakeRule::TenthAway:
            return (more ? Explain::tr("%1 is one tenth more than %2.")
                         : Explain::tr("%1 is one tenth less than %2."))
                .arg(named(card), numbers::decimal(spin));
        case MistakeRule::PercentDecimal:
            return (more ? Explain::tr(
                               "%1 and %2 begin with the same digit, but %1 is more than %2.")
                         : Explain::tr(
                               "%1 and %2 begin with the same digit, but %1 is less than %2."))
                .arg(named(card), numbers::decimal(spin));
        case MistakeRule::Other:
        case MistakeRule::Missed:
            break;
    }
    return (more ? Explain::tr("%1 is more than %2.") : Explain::tr("%1 is less than %2."))
        .arg(named(card), numbers::decimal(spin));
}

// The spinner's tile and the card's, each related to its number.
QString tilesSentence(double spin, int16_t card) {
    const QString shaded = Explain::tr("The shaded part is %1 of 20: %2.")
                               .arg(shadedOf(spin))
                               .arg(numbers::decimal(spin));
    const int cardShaded = shadedOf(cardCatalogue()[card].value);
    const QString face = cardFace(card);
    const QString yours =
        face.isEmpty() ? Explain::tr("Your card shades %1 of 20.").arg(cardShaded)
                       : Explain::tr("Your card, %1, is %2 of 20.").arg(face).arg(cardShaded);
    return shaded + QLatin1Char(' ') + yours;
}

// "3/10 and 30%": the cards left, as their faces write them.
QString listed(const QStringList& cards) {
    if (cards.size() == 1) {
        return cards.front();
    }
    return Explain::tr("%1 and %2")
        .arg(cards.mid(0, cards.size() - 1).join(Explain::tr(", ")), cards.back());
}

}  // namespace

QString cardFace(int16_t card) {
    if (!isCard(card)) {
        return {};
    }
    const CardEntry& entry = cardCatalogue()[card];
    switch (kindOf(card)) {
        case CardKind::Whole:
            return numbers::count(1);
        case CardKind::Decimal:
            return numbers::decimal(entry.value);
        case CardKind::Percent:
            return numbers::percent(entry.value);
        case CardKind::Fraction:
            return fraction(entry.numerator, entry.denominator);
        case CardKind::Tile:
            break;
    }
    return {};
}

ExplanationWords explanationWords(const TableState& table) {
    ExplanationWords words;
    if (!table.explanation) {
        return words;
    }
    const Explanation& explanation = *table.explanation;
    const auto& faces = table.faces;
    words.spinValue = table.spinner[static_cast<size_t>(explanation.position)];
    QStringList left;
    QStringList leftSpoken;
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        if (explanation.missed[s] && isCard(faces[s])) {
            left << named(faces[s]);
            leftSpoken << cardWords(faces[s]);
        }
    }
    words.card = explanation.wrongCard;
    QStringList sentence;
    QStringList spoken;
    if (isCard(explanation.wrongCard)) {
        const auto rule = nameMistake(words.spinValue, explanation.wrongCard, true);
        sentence << leadFor(rule.value_or(MistakeRule::Other), words.spinValue, words.card)
                 << tilesSentence(words.spinValue, words.card);
        spoken << Explain::tr("Your card: %1.").arg(cardWords(words.card));
    } else {
        for (int s = 0; s < SHOWN_SLOTS && !isCard(words.card); ++s) {
            words.card = explanation.missed[s] ? faces[s] : NO_CARD;
        }
    }
    if (!left.isEmpty()) {
        sentence << Explain::tr("You also had %1, the same as %2.")
                        .arg(listed(left), numbers::decimal(words.spinValue));
        spoken << Explain::tr("Cards left in your hand: %1.")
                      .arg(leftSpoken.join(QStringLiteral("; ")));
    }
    words.sentence = sentence.join(QLatin1Char(' '));
    words.spoken = words.sentence + QLatin1Char(' ') +
                   Explain::tr("Spinner: %1.").arg(spinWords(words.spinValue)) + QLatin1Char(' ') +
                   spoken.join(QLatin1Char(' '));
    words.cardValue = isCard(words.card) ? cardCatalogue()[words.card].value : words.spinValue;
    words.spinShaded = shadedOf(words.spinValue);
    words.cardShaded = shadedOf(words.cardValue);
    words.spinMark = numbers::decimal(words.spinValue);
    words.cardMark = numbers::decimal(words.cardValue);
    return words;
}

}  // namespace zandoli

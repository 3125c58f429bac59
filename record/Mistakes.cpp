#include "record/Mistakes.h"

#include <cmath>

#include "engine/Values.h"

namespace zandoli {

namespace {

// A one-digit numerator or denominator as the decimal it is misread as: the
// 4 of 1/4 as 0.4. The ten of a tenth has no such reading.
bool digitReadsAs(int digit, double value) {
    return digit < 10 && valuesMatch(digit / 10.0, value);
}

bool fractionDigitsRead(const CardValue& fraction, double value) {
    return digitReadsAs(fraction.numerator, value) || digitReadsAs(fraction.denominator, value);
}

bool isDecimalOrPercent(CardKind kind) {
    return kind == CardKind::Decimal || kind == CardKind::Percent;
}

// The tenths digit, where 0.25 has 2: the tolerance keeps 3 * 0.1 from
// falling to 2.
int tenthsDigit(double value) {
    return static_cast<int>(std::floor(value * 10 + MATCH_TOLERANCE));
}

MistakeRule nameWrongCard(double spin, const CardEntry& card) {
    const auto kind = static_cast<CardKind>(card.kind);
    if (valuesMatch(card.value, 1 - spin)) {
        return MistakeRule::UnshadedPart;
    }
    if (kind == CardKind::Fraction &&
        fractionDigitsRead({card.numerator, card.denominator, card.value, nullptr}, spin)) {
        return MistakeRule::FractionDigits;
    }
    // The whole is 1/1 in the table of values, but no card writes it so.
    const CardValue* spinFraction = cardValue(spin);
    if (isDecimalOrPercent(kind) && spinFraction->denominator != 1 &&
        fractionDigitsRead(*spinFraction, card.value)) {
        return MistakeRule::FractionDigits;
    }
    if (valuesMatch(std::fabs(card.value - spin), 0.1)) {
        return MistakeRule::TenthAway;
    }
    if (isDecimalOrPercent(kind) && tenthsDigit(card.value) == tenthsDigit(spin)) {
        return MistakeRule::PercentDecimal;
    }
    return MistakeRule::Other;
}

// mistakeName() finds a rule's entry by its place.
constexpr bool inRuleOrder() {
    for (size_t i = 0; i < MISTAKE_NAMES.size(); ++i) {
        if (static_cast<size_t>(MISTAKE_NAMES[i].rule) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inRuleOrder());

}  // namespace

const MistakeName& mistakeName(MistakeRule rule) {
    return MISTAKE_NAMES[static_cast<size_t>(rule)];
}

std::optional<MistakeRule> mistakeRule(std::string_view key) {
    for (const MistakeName& name : MISTAKE_NAMES) {
        if (key == name.key) {
            return name.rule;
        }
    }
    return std::nullopt;
}

std::optional<MistakeRule> nameMistake(double spinValue, int16_t card, bool pressed) {
    if (!isCard(card) || cardValue(spinValue) == nullptr) {
        return std::nullopt;
    }
    const bool right = cardMatches(card, spinValue);
    if (right == pressed) {
        return std::nullopt;
    }
    return pressed ? nameWrongCard(spinValue, cardCatalogue()[card]) : MistakeRule::Missed;
}

}  // namespace zandoli

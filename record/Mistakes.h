#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/Cards.h"

// The words of a mistake are translated by the screens that show the record,
// in the "Record" context; the translation tools read MISTAKE_WORDS as they
// read QT_TRANSLATE_NOOP.
#define MISTAKE_WORDS(context, text) text

namespace zandoli {

// What a wrong card or a card passed by says about the child's reading of
// the value. The rules are tried in this order and the first that applies
// names the mistake (see nameMistake()).
enum class MistakeRule {
    // The card's value is 1 minus the spin's: the part left white was read.
    UnshadedPart,
    // A one-digit numerator or denominator read as tenths, either way round:
    // the card is a fraction whose digit is the spin's tenths (1/4 for 0.4,
    // 3/4 for 0.3), or a decimal or percentage whose tenths are a digit of
    // the spin's fraction (0.4 or 40% for one quarter).
    FractionDigits,
    // The card is a tenth more or less than the spin (0.6 for 0.7).
    TenthAway,
    // A decimal or percentage of another value with the same tenths digit:
    // with the game's values the only way a percentage and a decimal of
    // different values share their digits (25% for 0.2, 0.7 for 75%).
    PercentDecimal,
    // A wrong card that none of the rules above explains.
    Other,
    // A card of the spin's value left in the hand when the turn ended.
    Missed,
};

struct MistakeName {
    MistakeRule rule;
    // How the record names it: stable across versions and languages.
    const char* key;
    // What a teacher reads, in English; the key of its translations.
    const char* words;
};

// Every mistake, in the order of precedence.
inline constexpr std::array<MistakeName, 6> MISTAKE_NAMES = {{
    {MistakeRule::UnshadedPart, "unshaded-part",
     MISTAKE_WORDS("Record", "Took the unshaded part for the shaded part")},
    {MistakeRule::FractionDigits, "fraction-digits",
     MISTAKE_WORDS("Record", "Read the digits of a fraction as a decimal")},
    {MistakeRule::TenthAway, "tenth-away",
     MISTAKE_WORDS("Record", "One tenth away from the value")},
    {MistakeRule::PercentDecimal, "percent-decimal",
     MISTAKE_WORDS("Record", "Confused a percentage or decimal with another of the same tenths")},
    {MistakeRule::Other, "other", MISTAKE_WORDS("Record", "Another value")},
    {MistakeRule::Missed, "missed", MISTAKE_WORDS("Record", "Passed by a card of the value")},
}};

const MistakeName& mistakeName(MistakeRule rule);
// The rule a record's key names, or none for a key this version does not know.
std::optional<MistakeRule> mistakeRule(std::string_view key);

// The mistake, if any, in pressing a card (`pressed`) or in leaving it in the
// hand at the end of the turn, against a spin that stopped on `spinValue`.
// A right card, a card rightly left, and any card against a star (where
// nothing is judged) are no mistake.
std::optional<MistakeRule> nameMistake(double spinValue, int16_t card, bool pressed);

// How the record names a card's form, in CardKind's order: stable across
// versions and languages.
inline constexpr std::array<const char*, 5> FORM_KEYS = {"whole", "decimal", "percent", "fraction",
                                                         "tile"};
inline const char* formKey(CardKind kind) {
    return FORM_KEYS[static_cast<size_t>(kind)];
}

}  // namespace zandoli

#pragma once

#include <QString>
#include <span>

#include "record/Confusions.h"

// A pupil's confusions in words, in the current language, for the results
// screen and the report.
namespace zandoli::confusionWords {

// The card's form, one card: "decimal", "percentage", "fraction", "tile",
// "whole card".
QString formWord(CardKind form);
// Where it stands: "new", "still there, 3 sessions", "resolved on 8
// December 2026".
QString stateText(const Confusion& confusion);
// Short, for the results screen: "0.7 (tile) for 0.3: still there, 3
// sessions".
QString headline(const Confusion& confusion);
// Whole, for the report and a screen reader: "Took the unshaded part for
// the shaded part: 0.7 (tile) for 0.3. Box 2 of 3; still there, 3
// sessions."
QString sentence(const Confusion& confusion);
// The first `shown` headlines a line each, then "and 3 more".
QString headlines(std::span<const Confusion> confusions, int shown);
// Every one as a sentence, after "Confusions: ".
QString sentences(std::span<const Confusion> confusions);
// "Resolved in this period: 0.7 (tile) for 0.3", for those resolved in
// [fromMs, toMs); empty when none was.
QString resolvedBetween(std::span<const Confusion> confusions, int64_t fromMs, int64_t toMs);

}  // namespace zandoli::confusionWords

#pragma once

#include <optional>

#include "engine/Deck.h"

class QPainter;

namespace zandoli {

// What one dial picture shows. Positions are spinner positions 0..15.
struct DialScene {
    int pointer = 0;      // where the pointer points
    int lit = -1;         // the segment lit under the pointer; -1 for none (the dial at rest)
    bool onTable = true;  // fill the square around the dial with the table colour
    // The value under each position: a shaded shape or a star.
    SpinnerValues spinner = standardDeck().spinner;
};

// The spinner dial in logical coordinates 0..400 (the picture's 1x size).
void paintDial(QPainter& painter, const DialScene& scene);

// The same dial in two layers, for a spinner whose every step is painted
// while it turns: the wheel, which is the whole dial with nothing lit and
// without its pointer and hub, once; then, over a copy of it, the lit
// segment, the pointer and the hub. Together they paint paintDial's
// picture. paintWheel reads neither `pointer` nor `lit`.
void paintWheel(QPainter& painter, const DialScene& scene);
void paintPointerOver(QPainter& painter, const DialScene& scene);

// The close-up of a value of CARD_VALUES or a star in logical coordinates
// 0..160; the empty close-up, while the spinner is at rest, for none.
void paintCloseup(QPainter& painter, std::optional<double> value);

}  // namespace zandoli

#pragma once

class QPainter;

namespace zandoli {

// What one dial picture shows. Positions are spinner positions 0..15.
struct DialScene {
    int pointer = 0;      // where the pointer points
    int lit = -1;         // the segment lit under the pointer; -1 for none (the dial at rest)
    bool onTable = true;  // fill the square around the dial with the table colour
};

// The spinner dial in logical coordinates 0..400 (the picture's 1x size).
void paintDial(QPainter& painter, const DialScene& scene);

// The close-up of one position in logical coordinates 0..160; -1 for the empty close-up.
void paintCloseup(QPainter& painter, int position);

}  // namespace zandoli

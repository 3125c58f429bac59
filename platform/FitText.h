#pragma once

class QLabel;
class QWidget;

namespace zandoli {

// Makes a control's text fit the room it was given, for the languages whose
// words run longer than the English the screens were laid out for. A label
// that wraps its words keeps its width and takes smaller type until every
// line fits its height; a label on one line, or a check box, takes smaller
// type until the line fits its width. A text that already fits, as every
// English one does, is left exactly as it is. Called again after the text
// changes, it starts from the type the control had at its first call.
void fitText(QWidget* control);

// A label that grows to its text, rightwards from a fixed left edge: sized to
// its text, and given smaller type if it would still reach past `right`.
void fitToRight(QLabel* label, int right);

}  // namespace zandoli

#pragma once

#include <QColor>
#include <vector>

class QKeyEvent;
class QWidget;

// Playing by keyboard. Once a key has been pressed, the control that has
// the focus wears a focus mark: a thick outline in the colour its window
// asks for (the player's colour at the table, yellow elsewhere), black-edged
// so it shows on any background. A press of a mouse button takes the mark
// away until the next key, so a mouse player never sees it. The mark is the
// game's own drawing; no control draws the platform's dotted focus frame.
namespace zandoli::keyboard {

// Starts watching keys, clicks and focus; the game's controls call it, and
// once is enough.
void install();

// The keyboard has been used since the last mouse press.
bool used();

// Space, Enter and the keypad's Enter, not repeated by a held key: the keys
// that press the focused control.
bool isPressKey(const QKeyEvent& event);

// Lets Tab and Shift+Tab reach a control whose Qt focus policy is off (see
// ButtonLabel). Tab goes through the window's focus chain and stops at
// every such control, and every control whose policy takes Tab, that is
// shown and enabled.
void makeTabStop(QWidget* control);
bool isTabStop(const QWidget* control);
// Tab goes through these controls of one window in this order, before any
// other control of the window (which follow in the order they were made).
void setReadingOrder(const std::vector<QWidget*>& controls);

// The colour of the focus mark in a window (yellow when none is set).
void setMarkColour(QWidget* window, const QColor& colour);

// The mark showing now, or null: for tests.
QWidget* shownMark();

}  // namespace zandoli::keyboard

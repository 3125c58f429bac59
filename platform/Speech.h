#pragma once

#include <QAccessible>
#include <QString>
#include <functional>

class QObject;
class QWidget;

// What the screens tell a screen reader. Qt hands these to the desktop's
// accessibility bus only while an assistive tool is listening; a listener
// set here hears every announcement whether or not one is.
namespace zandoli::speech {

// Sets the name a screen reader reads for a control; a change of name is
// announced as such.
void setName(QWidget* control, const QString& name);
void setDescription(QWidget* control, const QString& description);
// Asks a screen reader to read a control out now (a message, a win).
void alert(QWidget* control);

// Tells a screen reader's user what just happened on the table, through
// the control the focus is about to move to: until that control loses the
// focus, its description reads `news`, and a screen reader speaks the name,
// role and description of a control that takes the focus. Qt before 6.8
// has no way to announce text by itself; Orca 43 speaks a change of name or
// description only of the control with the focus, and with Qt 6.4 not even
// then, as Qt sends the control rather than its new text with the change.
// So every piece of news comes with a move of the focus.
void announce(QWidget* control, const QString& news);
// What announce() last gave the control and it still reads; empty once the
// control has lost the focus.
QString news(const QWidget* control);
// The control lost the focus: its news is forgotten once the focus has
// settled elsewhere, so the screen reader, by then on the new control, does
// not read the old control's description out again.
void forgetNewsLater(QWidget* control);

// Leaves a control out of what a screen reader finds: the caption, second
// line, bar and picture of a card, which the card itself reads in full.
void hideFromReader(QWidget* control);
// What a window is for, read after its title ("Zandoli?, The Rules"); the
// title bar keeps the title alone.
void setWindowPurpose(QWidget* window, const QString& purpose);

using Listener = std::function<void(QObject* control, QAccessible::Event kind)>;
// One listener at a time; an empty one stops listening.
void setListener(Listener listener);

// Lets the game's own controls show in the accessible tree as what they are:
// a ButtonLabel as a button named by its text that can be pressed, a
// ShapeButton as a button named by its accessible name that can be pressed,
// and each window as a frame named by its title and purpose, without the
// controls hidden from the reader. Called by the controls themselves; once
// is enough.
void installControlRoles();

}  // namespace zandoli::speech

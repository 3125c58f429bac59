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

using Listener = std::function<void(QObject* control, QAccessible::Event kind)>;
// One listener at a time; an empty one stops listening.
void setListener(Listener listener);

// Lets the game's own controls show in the accessible tree as what they are:
// a ButtonLabel as a button named by its text that can be pressed. Called
// by the controls themselves; once is enough.
void installControlRoles();

}  // namespace zandoli::speech

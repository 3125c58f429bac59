#pragma once

#include <QCheckBox>
#include <QKeySequence>
#include <QString>
#include <QWidget>

#include "look/TableLayout.h"
#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/ScreenLook.h"

// Builders for the controls of the title, set-up and rules screens: each
// takes a control's fixed layout (object name, text, place in twips, face
// and size in points) and returns it placed, in those screens' yellow.
namespace zandoli::screenControls {

using look::TwipRect;

struct Face {
    QString family;
    double points;
    bool bold;
};

// The game's name on the title and set-up screens, and the small print below it.
inline const Face TITLE_FACE{screenLook::ROUNDED, 30, true};
inline const Face NOTICE_FACE{screenLook::ARIAL, 8.25, false};

// A place and a face at the run's scale.
QRect pixels(const TwipRect& place);
QFont font(const Face& face);

// A plain window of those screens: its background colour and name. (Every
// screen's window is titled when it is loaded; see Screen.)
QWidget* makeWindow(const QString& name, const QColor& back);
// The window of the rules, results and report, at their built size on the
// table's background. Frameless, so the fitted window is all client area
// and the bottom row of buttons is never cut off by a title bar.
QWidget* makeLargeWindow();

// A dialog of those screens (the players' names, the lesson): their bold
// yellow on black, its object name and title.
void lookOfDialog(QWidget* dialog, const QString& name, const QString& title);

// Yellow text on a transparent background.
ClickLabel* text(QWidget* parent, const QString& name, const QString& text, TwipRect place,
                 const Face& face, Qt::Alignment align);

// A button: yellow on black, single border, centred.
ButtonLabel* button(QWidget* parent, const QString& name, const QString& text, TwipRect place,
                    const Face& face);

// A key that presses a button while its window is active, shown in the
// button's tooltip and read with its description.
void bindKey(ButtonLabel* button, const QKeySequence& key, const QString& description);

// A check box: yellow on black.
QCheckBox* check(QWidget* parent, const QString& name, const QString& text, TwipRect place,
                 const Face& face);

}  // namespace zandoli::screenControls

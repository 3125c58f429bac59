#pragma once

#include <QColor>
#include <QString>

#include "look/Colours.h"

// The title, set-up and rules screens' colours, faces and file names, each named once.
namespace zandoli::screenLook {

inline const QColor YELLOW(255, 255, 0);
inline const QColor BLACK(0, 0, 0);
inline const QColor BACKDROP(49, 135, 215);
inline const QColor RULES_BACK = look::TABLE_BACKGROUND.to<QColor>();

inline const QString ARIAL = QStringLiteral("Arial");
inline const QString TAHOMA = QStringLiteral("Tahoma");
inline const QString ROUNDED = QStringLiteral("Arial Rounded MT Bold");

inline const QString TITLE_TEXT = QStringLiteral("Zandoli?");

inline const QString OPENING_PICTURE = QStringLiteral("Images\\opening.jpg");
inline const QString LOGO_PICTURE = QStringLiteral("Images\\logo2.jpg");
inline const QString CLICK = QStringLiteral("wav\\click.wav");
inline const QString CLICK1 = QStringLiteral("wav\\click1.wav");

// The title and set-up screens' client area; the set-up screen is taller by
// the row of the lesson.
inline constexpr int SMALL_WIDTH = 5580;
inline constexpr int SMALL_HEIGHT = 6570;
inline constexpr int LESSON_ROW = 600;
inline constexpr int SETUP_HEIGHT = SMALL_HEIGHT + LESSON_ROW;

// The rules and results screens' client area as built; the load then fits
// it to the table's size.
inline constexpr int LARGE_BUILT_WIDTH = 15330;
inline constexpr int LARGE_BUILT_HEIGHT = 11580;

// Displays wider than this (800 pixels) offer the Hide Desktop box.
inline constexpr int HIDE_DESKTOP_MIN_WIDTH = 12000;

}  // namespace zandoli::screenLook

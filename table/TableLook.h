#pragma once

#include <QColor>
#include <QString>

#include "engine/Colours.h"
#include "engine/Layout.h"

// The design of the table screens: every place, size, font, colour and text
// that the table's controls start with, in twips and points as the layout was
// drawn. Run-time colours come from the players' looks in Colours.h.
namespace zandoli::look {

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline constexpr Rgb TABLE_BACK{37, 60, 136};
inline constexpr Rgb DESIGN_TEXT{192, 192, 255};  // title and turn caption before a turn
inline constexpr Rgb BUTTON_TEXT{128, 128, 255};  // buttons before the first turn
inline constexpr Rgb PACK_BACK{255, 128, 0};      // pack card before the first turn
inline constexpr Rgb NOTICE_TEXT{255, 255, 0};
inline constexpr Rgb SPINCOUNT_TEXT{0, 0, 255};  // one-player caption and count box

inline const QString TEXT_FONT = QStringLiteral("Arial");
inline const QString TITLE_FONT = QStringLiteral("Arial Rounded MT Bold");

// Title and turn caption: they size themselves to their text from these corners.
inline constexpr int TITLE_LEFT = 9060;
inline constexpr int TITLE_TOP = 0;
inline constexpr double TITLE_POINTS = 32.25;
inline constexpr int CAPTION_LEFT = 2280;
inline constexpr int CAPTION_TOP = 0;
inline constexpr int CAPTION_POINTS = 36;
inline constexpr int WIN_CAPTION_POINTS = 32;  // the one-player win caption

inline constexpr TwipRect MESSAGE_RECT{2280, 10800, 8760, 360};
inline constexpr TwipRect ONEPLAYER_MESSAGE_RECT{2400, 10800, 8760, 360};
inline constexpr double MESSAGE_POINTS = 14.25;

inline constexpr int DIAL_LEFT = 8760;
inline constexpr int DIAL_TOP = 3600;
inline constexpr int DIAL_SIZE = 6000;
inline constexpr int CLOSEUP_LEFT = 10560;
inline constexpr int CLOSEUP_TOP = 960;
inline constexpr int CLOSEUP_SIZE = 2400;

inline constexpr TwipRect SPIN_RECT{9180, 9840, 5175, 795};
inline constexpr double BIG_BUTTON_POINTS = 27.75;
inline constexpr int SMALL_BUTTON_POINTS = 18;

// The four small buttons, indexed as TableButton counts them.
inline constexpr int BUTTON_COUNT = 4;
inline constexpr int EXIT_BUTTON = 0;
inline constexpr int NEWGAME_BUTTON = 1;
inline constexpr int NEXTPLAYER_BUTTON = 2;
inline constexpr int RULES_BUTTON = 3;
inline constexpr TwipRect EXIT_RECT{13560, 10920, 1695, 495};
inline constexpr TwipRect NEWGAME_RECT{120, 10920, 2055, 495};
inline constexpr TwipRect NEXTPLAYER_RECT{2520, 9840, 3615, 795};
inline constexpr TwipRect ONEPLAYER_NEXTPLAYER_RECT{2520, 10560, 3615, 795};
inline constexpr TwipRect RULES_RECT{11160, 10920, 2055, 495};

inline constexpr TwipRect NOTICE_RECT{2280, 11250, 8760, 240};
inline constexpr double NOTICE_POINTS = 8.25;

// The one-player table's spin count, beside its caption.
inline constexpr TwipRect SPINS_CAPTION_RECT{1560, 9840, 4575, 855};
inline constexpr TwipRect SPINCOUNT_RECT{6240, 9720, 1575, 915};
inline constexpr double SPINS_CAPTION_POINTS = 27.75;
inline constexpr int SPINCOUNT_POINTS = 36;

// Shapes draw their borders in pixels.
inline constexpr int FRAME_BORDER_PX = 4;
inline constexpr int BAR_BORDER_PX = 1;

inline const QString TITLE_TEXT = QStringLiteral("Zandoli?");
inline const QString FIRST_CAPTION_TEXT = QStringLiteral("Blue to Play");
inline const QString MESSAGE_TEXT = QStringLiteral("YOU HAVE MADE AN INCORRECT CHOICE");
inline const QString SPIN_TEXT = QStringLiteral("Spin the Spinner");
inline const QString EXIT_TEXT = QStringLiteral("Exit");
inline const QString NEWGAME_TEXT = QStringLiteral("New Game");
inline const QString NEXTPLAYER_TEXT = QStringLiteral("Next Player");
inline const QString RULES_TEXT = QStringLiteral("The Rules");
inline const QString SPINS_CAPTION_TEXT = QStringLiteral("Number of Spins");

}  // namespace zandoli::look

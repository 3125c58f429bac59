#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>

#include "look/Colours.h"

// How the table's controls start out: colours, fonts, point sizes, border
// widths and texts. Their places are in look/TableLayout.h; the colours that
// follow the player come from the players' looks in look/Colours.h.
namespace zandoli::look {

inline constexpr Rgb NOTICE_TEXT{255, 255, 0};

inline const QString TEXT_FONT = QStringLiteral("Arial");
inline const QString TITLE_FONT = QStringLiteral("Arial Rounded MT Bold");

inline constexpr double TITLE_POINTS = 32.25;
// The turn caption; only the one-player win caption is smaller, so that its
// spin count fits.
inline constexpr int CAPTION_POINTS = 36;
inline constexpr int WIN_COUNT_CAPTION_POINTS = 32;
inline constexpr double MESSAGE_POINTS = 14.25;
inline constexpr double BIG_BUTTON_POINTS = 27.75;  // Spin and Next Player
inline constexpr int SMALL_BUTTON_POINTS = 18;
inline constexpr double NOTICE_POINTS = 8.25;
inline constexpr double SPINS_CAPTION_POINTS = 27.75;
inline constexpr int SPINCOUNT_POINTS = 36;

// The texts on a card face.
inline constexpr double WHOLE_POINTS = 72;
inline constexpr double NUMBER_POINTS = 36;  // decimals, numerators and denominators
inline constexpr double PERCENT_POINTS = 30;

// Shapes draw their borders in pixels at scale 1 (see units::line).
inline constexpr int FRAME_BORDER_PX = 4;
inline constexpr int BAR_BORDER_PX = 1;

// The ring round a card an explanation speaks of: how far it stands out from
// the card (twips) and how thick it is; white round the cards of the spin's
// value left in the hand, red round the card pressed wrongly.
inline constexpr int MARK_MARGIN = 120;
inline constexpr int MARK_BORDER_PX = 5;
inline constexpr Rgb MARK_LEFT{255, 255, 255};
inline constexpr Rgb MARK_WRONG{255, 64, 64};

inline const QString TITLE_TEXT = QStringLiteral("Zandoli?");
// The texts in the current language, so asked for when a window is built.
inline QString messageText() {
    return QCoreApplication::translate("Table", "YOU HAVE MADE AN INCORRECT CHOICE");
}
inline QString spinText() {
    return QCoreApplication::translate("Table", "Spin the Spinner");
}
inline QString exitText() {
    return QCoreApplication::translate("Table", "Exit");
}
inline QString newGameText() {
    return QCoreApplication::translate("Table", "New Game");
}
inline QString nextPlayerText() {
    return QCoreApplication::translate("Table", "Next Player");
}
inline QString rulesText() {
    return QCoreApplication::translate("Table", "The Rules");
}
inline QString resultsText() {
    return QCoreApplication::translate("Table", "See the Results");
}
inline QString spinsCaptionText() {
    return QCoreApplication::translate("Table", "Number of Spins");
}

}  // namespace zandoli::look

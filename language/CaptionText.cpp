#include "language/CaptionText.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace zandoli {

namespace {

// Whole sentences per player rather than a name put into a pattern: other
// languages agree the verb or article with the colour.
constexpr std::array<const char*, 4> TO_PLAY = {
    QT_TRANSLATE_NOOP("Table", "Blue to Play"),
    QT_TRANSLATE_NOOP("Table", "Yellow to Play"),
    QT_TRANSLATE_NOOP("Table", "Magenta to Play"),
    QT_TRANSLATE_NOOP("Table", "Green to Play"),
};
constexpr std::array<const char*, 4> HAS_WON = {
    QT_TRANSLATE_NOOP("Table", "BLUE HAS WON!!!"),
    QT_TRANSLATE_NOOP("Table", "YELLOW HAS WON!!!"),
    QT_TRANSLATE_NOOP("Table", "MAGENTA HAS WON!!!"),
    QT_TRANSLATE_NOOP("Table", "GREEN HAS WON!!!"),
};

const char* forPlayer(const std::array<const char*, 4>& texts, int colour) {
    return texts[static_cast<size_t>(std::clamp(colour, 0, 3))];
}

}  // namespace

QString captionText(const Caption& caption) {
    switch (caption.kind) {
        case CaptionKind::ToPlay:
            return QCoreApplication::translate("Table", forPlayer(TO_PLAY, caption.colour));
        case CaptionKind::TurnOver:
            return QCoreApplication::translate("Table", "TURN OVER");
        case CaptionKind::Won:
            return QCoreApplication::translate("Table", forPlayer(HAS_WON, caption.colour));
        case CaptionKind::WonInSpins:
            // %n picks the language's plural and writes the count as
            // numbers::count does: digits with no grouping.
            return QCoreApplication::translate("Table", "GAME WON IN %n SPINS!", nullptr,
                                               caption.spins);
    }
    return {};
}

}  // namespace zandoli

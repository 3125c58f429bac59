#include "language/CaptionText.h"

#include <QCoreApplication>

#include "look/Colours.h"

namespace zandoli {

QString captionText(const Caption& caption) {
    switch (caption.kind) {
        case CaptionKind::ToPlay:
            return QCoreApplication::translate("Table", look::player(caption.colour).toPlay);
        case CaptionKind::TurnOver:
            return QCoreApplication::translate("Table", "TURN OVER");
        case CaptionKind::Won:
            return QCoreApplication::translate("Table", look::player(caption.colour).hasWon);
        case CaptionKind::WonInSpins:
            // %n picks the language's plural and writes the count as
            // numbers::count does: digits with no grouping.
            return QCoreApplication::translate("Table", "GAME WON IN %n SPINS!", nullptr,
                                               caption.spins);
    }
    return {};
}

}  // namespace zandoli

#include "results/ConfusionWords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <algorithm>

#include "language/Language.h"
#include "language/Numbers.h"

namespace zandoli::confusionWords {

namespace {

// "0.7 (tile) for 0.3", "0.3 (fraction) passed by at 0.3": numbers in the
// language's notation.
QString whatFor(const Confusion& confusion) {
    return (confusion.key.rule == MistakeRule::Missed
                ? QCoreApplication::translate("Results", "%1 (%2) passed by at %3")
                : QCoreApplication::translate("Results", "%1 (%2) for %3"))
        .arg(numbers::decimal(confusion.key.taken), formWord(confusion.key.form),
             numbers::decimal(confusion.key.shown));
}

// "8 December 2026".
QString resolvedDay(const Confusion& confusion) {
    const QDate on = QDateTime::fromMSecsSinceEpoch(confusion.resolvedMs.value_or(0)).date();
    return language::locale().toString(on, QCoreApplication::translate("Report", "d MMMM yyyy"));
}

}  // namespace

QString formWord(CardKind form) {
    switch (form) {
        case CardKind::Whole:
            return QCoreApplication::translate("Results", "whole card");
        case CardKind::Decimal:
            return QCoreApplication::translate("Results", "decimal");
        case CardKind::Percent:
            return QCoreApplication::translate("Results", "percentage");
        case CardKind::Fraction:
            return QCoreApplication::translate("Results", "fraction");
        case CardKind::Tile:
            break;
    }
    return QCoreApplication::translate("Results", "tile");
}

QString stateText(const Confusion& confusion) {
    switch (confusion.state) {
        case ConfusionState::New:
            return QCoreApplication::translate("Results", "new");
        case ConfusionState::StillThere:
            // English has no plural rule of its own in the translations: its one is here.
            return confusion.sessions == 1
                       ? QCoreApplication::translate("Results", "still there, 1 session")
                       : QCoreApplication::translate("Results", "still there, %n sessions", nullptr,
                                                     confusion.sessions);
        case ConfusionState::Resolved:
            break;
    }
    return QCoreApplication::translate("Results", "resolved on %1").arg(resolvedDay(confusion));
}

QString headline(const Confusion& confusion) {
    return QCoreApplication::translate("Results", "%1: %2")
        .arg(whatFor(confusion), stateText(confusion));
}

QString sentence(const Confusion& confusion) {
    const QString rule =
        QCoreApplication::translate("Record", mistakeName(confusion.key.rule).words);
    if (confusion.resolvedMs) {
        return QCoreApplication::translate("Results", "%1: %2. Resolved on %3.")
            .arg(rule, whatFor(confusion), resolvedDay(confusion));
    }
    return QCoreApplication::translate("Results", "%1: %2. Box %3 of 3; %4.")
        .arg(rule, whatFor(confusion), numbers::count(confusion.box), stateText(confusion));
}

QString resolvedBetween(std::span<const Confusion> confusions, int64_t fromMs, int64_t toMs) {
    QStringList resolved;
    for (const Confusion& confusion : confusions) {
        if (confusion.resolvedMs && *confusion.resolvedMs >= fromMs &&
            *confusion.resolvedMs < toMs) {
            resolved << whatFor(confusion);
        }
    }
    return resolved.isEmpty()
               ? QString()
               : QCoreApplication::translate("Report", "Resolved in this period: %1")
                     .arg(resolved.join(QCoreApplication::translate("Results", "; ")));
}

QString headlines(std::span<const Confusion> confusions, int shown) {
    QStringList lines;
    for (const Confusion& confusion :
         confusions.first(std::min(confusions.size(), static_cast<size_t>(std::max(shown, 0))))) {
        lines << headline(confusion);
    }
    if (static_cast<int>(confusions.size()) > shown) {
        lines << QCoreApplication::translate("Results", "and %n more", nullptr,
                                             static_cast<int>(confusions.size()) - shown);
    }
    return lines.join(QLatin1Char('\n'));
}

QString sentences(std::span<const Confusion> confusions) {
    QStringList all;
    for (const Confusion& confusion : confusions) {
        all << sentence(confusion);
    }
    return QCoreApplication::translate("Results", "Confusions: %1").arg(all.join(QLatin1Char(' ')));
}

}  // namespace zandoli::confusionWords

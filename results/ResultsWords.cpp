#include "results/ResultsWords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include "engine/Spinner.h"
#include "language/Language.h"
#include "language/Numbers.h"
#include "look/Colours.h"
#include "table/CardWords.h"

namespace zandoli::resultsWords {

namespace {

QString times(int count) {
    if (count == 1) {
        return QCoreApplication::translate("Results", "once");
    }
    if (count == 2) {
        return QCoreApplication::translate("Results", "twice");
    }
    return QCoreApplication::translate("Results", "%n times", nullptr, count);
}

// English has no plural rule of its own in the translations: its one is here.
QString spins(int count) {
    return count == 1 ? QCoreApplication::translate("Results", "1 spin")
                      : QCoreApplication::translate("Results", "%n spins", nullptr, count);
}

FormCounts totals(const PlayerResults& player) {
    FormCounts all;
    for (const FormCounts& form : player.forms) {
        all.matched += form.matched;
        all.wrong += form.wrong;
        all.missed += form.missed;
    }
    return all;
}

}  // namespace

QString spinsText(int count) {
    return spins(count);
}

QString playerName(const PlayerResults& player) {
    if (!player.name.empty()) {
        return QString::fromStdString(player.name);
    }
    return QCoreApplication::translate("Table", look::player(player.colour).name);
}

QString formName(CardKind form) {
    switch (form) {
        case CardKind::Whole:
            return QCoreApplication::translate("Results", "whole cards");
        case CardKind::Decimal:
            return QCoreApplication::translate("Results", "decimals");
        case CardKind::Percent:
            return QCoreApplication::translate("Results", "percentages");
        case CardKind::Fraction:
            return QCoreApplication::translate("Results", "fractions");
        case CardKind::Tile:
            break;
    }
    return QCoreApplication::translate("Results", "tiles");
}

QString chartText(const PlayerResults& player) {
    QStringList forms;
    for (CardKind form : FORMS_SHOWN) {
        const FormCounts& counts = player.forms[static_cast<size_t>(form)];
        if (counts == FormCounts{}) {
            continue;
        }
        forms << QCoreApplication::translate("Results", "%1: %2 matched, %3 wrong, %4 missed")
                     .arg(formName(form), numbers::count(counts.matched),
                          numbers::count(counts.wrong), numbers::count(counts.missed));
    }
    const QString cards = forms.isEmpty()
                              ? QCoreApplication::translate("Results", "no card judged")
                              : forms.join(QCoreApplication::translate("Results", "; "));
    return QCoreApplication::translate("Results", "%1: %2. %3.")
        .arg(playerName(player), cards, spins(player.spins));
}

QString totalsText(const PlayerResults& player) {
    const FormCounts all = totals(player);
    return QCoreApplication::translate("Results", "%1 matched\n%2 wrong\n%3 missed")
        .arg(numbers::count(all.matched), numbers::count(all.wrong), numbers::count(all.missed));
}

QString mistakeText(const MistakeExample& mistake) {
    if (mistake.rule == MistakeRule::Missed) {
        return QCoreApplication::translate("Results", "Missed %1: %2. The spinner showed %3.")
            .arg(times(mistake.times), cardWords(mistake.card), spinWords(mistake.spinValue));
    }
    return QCoreApplication::translate("Results", "%1, %2. The spinner showed %3; pressed: %4.")
        .arg(QCoreApplication::translate("Record", mistakeName(mistake.rule).words),
             times(mistake.times), spinWords(mistake.spinValue), cardWords(mistake.card));
}

QString mistakeHeadline(const MistakeExample& mistake) {
    return QCoreApplication::translate("Results", "%1 (%2)")
        .arg(QCoreApplication::translate("Record", mistakeName(mistake.rule).words),
             times(mistake.times));
}

QString unreadableText() {
    return QCoreApplication::translate("Results", "The record could not be read.");
}

QString gameText(const GameResults& game) {
    const QLocale locale = language::locale();
    const QDateTime started = QDateTime::fromMSecsSinceEpoch(game.startedMs);
    const int minutes = static_cast<int>(game.lengthMs / 60000);
    QStringList parts{
        locale.toString(started, QCoreApplication::translate("Results", "dddd d MMMM yyyy, HH:mm")),
        minutes < 1    ? QCoreApplication::translate("Results", "under a minute")
        : minutes == 1 ? QCoreApplication::translate("Results", "1 minute")
                       : QCoreApplication::translate("Results", "%n minutes", nullptr, minutes),
        spins(game.spins)};
    for (const PlayerResults& player : game.players) {
        if (game.won && player.colour == game.winner) {
            parts
                << (game.onePlayer
                        ? QCoreApplication::translate("Results", "won")
                        : QCoreApplication::translate("Results", "%1 won").arg(playerName(player)));
        }
    }
    if (!game.won) {
        parts << QCoreApplication::translate("Results", "not finished");
    }
    if (!game.lesson.empty()) {
        parts << QCoreApplication::translate("Setup", "Lesson: %1")
                     .arg(QString::fromStdString(game.lesson));
    }
    return parts.join(QCoreApplication::translate("Results", " · "));
}

}  // namespace zandoli::resultsWords

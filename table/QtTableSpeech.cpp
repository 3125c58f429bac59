// What a screen reader reads at the table beyond the controls' own texts,
// and where the focus goes as the game moves on.
#include <QApplication>

#include "engine/Spinner.h"
#include "look/TableArt.h"
#include "platform/Speech.h"
#include "table/CardWords.h"
#include "table/QtTableView.h"
#include "table/TableKeys.h"

namespace zandoli {

namespace {

QString buttonDescription(TableButton which) {
    switch (which) {
        case TableButton::Exit:
            return QCoreApplication::translate("Table",
                                               "save this game and go back to the title screen");
        case TableButton::NewGame:
            return QCoreApplication::translate("Table", "shuffle and deal a new game. Key: %1")
                .arg(tableKeys::shown(tableKeys::NEW_GAME));
        case TableButton::NextPlayer:
            return QCoreApplication::translate(
                       "Table", "end your turn and hand over to the next player. Key: %1")
                .arg(tableKeys::shown(tableKeys::NEXT_PLAYER));
        case TableButton::Rules:
            return QCoreApplication::translate("Table", "show the rules of the game. Key: %1")
                .arg(tableKeys::shown(tableKeys::RULES));
        case TableButton::Results:
            return QCoreApplication::translate(
                       "Table",
                       "what each player matched, got wrong and missed in this game. Key: %1")
                .arg(tableKeys::shown(tableKeys::RESULTS));
        case TableButton::ExplanationOk:
            break;
    }
    return {};
}

// The key of a button, for its tooltip; none for Exit.
QString buttonKey(TableButton which) {
    switch (which) {
        case TableButton::NewGame:
            return tableKeys::shown(tableKeys::NEW_GAME);
        case TableButton::NextPlayer:
            return tableKeys::shown(tableKeys::NEXT_PLAYER);
        case TableButton::Rules:
            return tableKeys::shown(tableKeys::RULES);
        case TableButton::Results:
            return tableKeys::shown(tableKeys::RESULTS);
        case TableButton::Exit:
        case TableButton::ExplanationOk:
            break;
    }
    return {};
}

QString withKey(const QString& text, const QString& key) {
    return key.isEmpty() ? QString()
                         : QCoreApplication::translate("Zandoli", "%1 (key: %2)").arg(text, key);
}

void describe(ButtonLabel* button, TableButton which) {
    speech::setDescription(button, buttonDescription(which));
    button->setToolTip(withKey(button->text(), buttonKey(which)));
}

}  // namespace

void QtTableView::nameControls() {
    // The window was just built: nothing of a game shows on it yet.
    shown_ = TableState{};
    shownColours_.reset();
    shownCaption_.clear();
    focusTarget_ = nullptr;
    speech::setName(widgets_.dial, QCoreApplication::translate("Table", "the spinner"));
    speech::setDescription(widgets_.dial,
                           QCoreApplication::translate("Table",
                                                       "sixteen segments: shaded shapes, stars "
                                                       "on red and a star on blue"));
    speech::setDescription(
        widgets_.closeup,
        QCoreApplication::translate("Table", "the segment under the spinner's pointer"));
    speech::setName(widgets_.pack,
                    QCoreApplication::translate("Table", "take a card from the pack"));
    speech::setDescription(widgets_.pack,
                           QCoreApplication::translate(
                               "Table", "press it when the spinner shows the star on blue. Key: %1")
                               .arg(tableKeys::shown(tableKeys::TAKE_CARD)));
    widgets_.pack->setToolTip(QCoreApplication::translate("Table", "Take a card (key: %1)")
                                  .arg(tableKeys::shown(tableKeys::TAKE_CARD)));
    speech::setDescription(
        widgets_.spin,
        QCoreApplication::translate("Table", "spin the spinner to start your turn. Key: %1")
            .arg(tableKeys::shown(tableKeys::SPIN)));
    widgets_.spin->setToolTip(withKey(widgets_.spin->text(), tableKeys::shown(tableKeys::SPIN)));
    for (TableButton which : TABLE_BUTTONS) {
        describe(widgets_.button(which), which);
    }
    describe(widgets_.results, TableButton::Results);
    if (!widgets_.spinCount.isNull()) {
        speech::setName(widgets_.spinCount, QCoreApplication::translate("Table", "no spins yet"));
    }
    nameCloseup();
}

void QtTableView::nameCloseup() {
    if (widgets_.closeup.isNull()) {
        return;
    }
    QString words;
    if (shown_.phase == Phase::Spinning) {
        words = QCoreApplication::translate("Table", "spinning");
    } else if (shown_.pointer) {
        words = spinWords(shown_.spinner[static_cast<size_t>(*shown_.pointer)]);
    } else {
        words = QCoreApplication::translate("Table", "the spinner's pointer, not spun yet");
    }
    speech::setName(widgets_.closeup, words);
}

}  // namespace zandoli

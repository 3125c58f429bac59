// What a screen reader reads at the table beyond the controls' own texts.
#include <QCoreApplication>

#include "engine/Spinner.h"
#include "platform/Speech.h"
#include "table/CardWords.h"
#include "table/QtTableView.h"

namespace zandoli {

namespace {

QString buttonDescription(TableButton which) {
    switch (which) {
        case TableButton::Exit:
            return QCoreApplication::translate("Table",
                                               "save this game and go back to the title screen");
        case TableButton::NewGame:
            return QCoreApplication::translate("Table", "shuffle and deal a new game");
        case TableButton::NextPlayer:
            return QCoreApplication::translate("Table",
                                               "end your turn and hand over to the next player");
        case TableButton::Rules:
            return QCoreApplication::translate("Table", "show the rules of the game");
    }
    return {};
}

}  // namespace

void QtTableView::nameControls() {
    speech::setName(widgets_.dial, QCoreApplication::translate("Table", "the spinner"));
    speech::setDescription(widgets_.dial,
                           QCoreApplication::translate("Table",
                                                       "sixteen segments: shaded shapes, stars "
                                                       "on red and a star on blue"));
    speech::setDescription(
        widgets_.closeup,
        QCoreApplication::translate("Table", "the segment under the spinner's pointer"));
    speech::setName(widgets_.pack, QCoreApplication::translate("Table", "the pack"));
    speech::setDescription(widgets_.pack,
                           QCoreApplication::translate("Table",
                                                       "take a card from the pack when the "
                                                       "spinner shows the star on blue"));
    speech::setDescription(
        widgets_.spin, QCoreApplication::translate("Table", "spin the spinner to start your turn"));
    for (TableButton which : TABLE_BUTTONS) {
        speech::setDescription(widgets_.button(which), buttonDescription(which));
    }
}

void QtTableView::nameCloseup() {
    closeupNaming_ = false;
    if (widgets_.closeup.isNull() || referee_ == nullptr) {
        return;
    }
    QString words;
    if (referee_->spinning()) {
        words = QCoreApplication::translate("Table", "spinning");
    } else if (widgets_.closeup->pictureName() != QLatin1String(CLOSEUP_AT_REST)) {
        words = spinWords(referee_->result());
    }
    speech::setName(widgets_.closeup, words);
}

}  // namespace zandoli

// What a screen reader reads at the table beyond the controls' own texts,
// and where the focus goes as the game moves on.
#include <QApplication>

#include "engine/Spinner.h"
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
        case TableButton::Exit:
            break;
    }
    return {};
}

QString withKey(const QString& text, const QString& key) {
    return key.isEmpty() ? QString()
                         : QCoreApplication::translate("Zandoli", "%1 (key: %2)").arg(text, key);
}

}  // namespace

void QtTableView::nameControls() {
    seenPhase_ = Referee::Phase::Dealing;
    news_.clear();
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
        ButtonLabel* button = widgets_.button(which);
        speech::setDescription(button, buttonDescription(which));
        button->setToolTip(withKey(button->text(), buttonKey(which)));
    }
    if (!widgets_.spinCount.isNull()) {
        speech::setName(widgets_.spinCount, QCoreApplication::translate("Table", "no spins yet"));
    }
    nameCloseup();
}

void QtTableView::nameCloseup() {
    if (widgets_.closeup.isNull() || referee_ == nullptr) {
        return;
    }
    QString words;
    if (referee_->spinning()) {
        words = QCoreApplication::translate("Table", "spinning");
    } else if (widgets_.closeup->pictureName() != QLatin1String(CLOSEUP_AT_REST)) {
        words = spinWords(referee_->result());
    } else {
        words = QCoreApplication::translate("Table", "the spinner's pointer, not spun yet");
    }
    speech::setName(widgets_.closeup, words);
}

void QtTableView::settleLater() {
    if (!settling_) {
        settling_ = true;
        QMetaObject::invokeMethod(this, &QtTableView::settle, Qt::QueuedConnection);
    }
}

void QtTableView::moveFocus(QWidget* control, const QString& news) {
    if (control == nullptr || !control->isVisible() || !control->isEnabled()) {
        return;
    }
    speech::announce(control, news);
    control->setFocus(Qt::OtherFocusReason);
}

void QtTableView::settle() {
    settling_ = false;
    nameCloseup();
    const QStringList news = std::exchange(news_, {});
    if (widgets_.window.isNull() || referee_ == nullptr) {
        return;
    }
    using Phase = Referee::Phase;
    const Phase before = std::exchange(seenPhase_, referee_->phase());
    const Phase now = seenPhase_;
    const QString caption = widgets_.caption->isHidden() ? QString() : widgets_.caption->text();
    if (now == before) {
        return;
    }
    switch (now) {
        case Phase::AwaitingSpin:
            moveFocus(widgets_.spin, caption);
            break;
        case Phase::Spinning:
            break;
        case Phase::Playing:
            if (before == Phase::Spinning) {
                const QString result = QCoreApplication::translate("Table", "spinner: %1")
                                           .arg(widgets_.closeup->accessibleName());
                if (valuesMatch(referee_->result(), BLUE_STAR)) {
                    moveFocus(widgets_.pack, result);
                } else {
                    moveFocus(nextCard(-1), result);
                }
            }
            break;
        case Phase::Won:
            moveFocus(widgets_.button(TableButton::NewGame), caption);
            break;
        case Phase::HandingOver: {
            // A wrong card: the focus goes to the message, which reads what
            // else the table now says ("TURN OVER").
            QStringList rest = news;
            if (rest.removeAll(widgets_.message->text()) > 0) {
                moveFocus(widgets_.message, rest.join(QStringLiteral(". ")));
            }
            break;
        }
        case Phase::Drawing:
        case Phase::Dealing:
        case Phase::StartingTurn:
            break;
    }
}

}  // namespace zandoli

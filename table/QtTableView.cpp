#include "table/QtTableView.h"

#include <QApplication>

#include "language/CaptionText.h"
#include "language/Numbers.h"
#include "platform/FitText.h"
#include "platform/KeyboardFocus.h"
#include "platform/Platform.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/TableLook.h"

namespace zandoli {

namespace {

void setShown(QWidget* widget, bool visible) {
    if (widget == nullptr) {
        return;
    }
    // Qt would hand the focus of a control being hidden to the next one, and
    // a screen reader would read that out; settle() places it instead.
    if (!visible && widget->hasFocus()) {
        widget->clearFocus();
    }
    widget->setVisible(visible);
}

}  // namespace

CardSlot* QtTableView::slot(int index) {
    if (index < 0 || index >= SHOWN_SLOTS ||
        static_cast<size_t>(index) >= widgets_.cardSlots.size()) {
        return nullptr;
    }
    return &widgets_.cardSlots[static_cast<size_t>(index)];
}

void QtTableView::hideSlot(int slot) {
    CardSlot* shown = this->slot(slot);
    if (shown == nullptr) {
        return;
    }
    // A discarded card hands the focus on to the next card of the hand. When
    // the whole hand goes, the focus is let go rather than passed along each
    // card in turn; settle() then places it.
    if (ShapeButton* frame = shown->frame(); frame != nullptr && frame->hasFocus()) {
        if (QWidget* next = nextCard(slot)) {
            next->setFocus(Qt::OtherFocusReason);
        } else {
            frame->clearFocus();
        }
    }
    shown->hide();
    settleLater();
}

QWidget* QtTableView::nextCard(int from) const {
    if (referee_ == nullptr) {
        return nullptr;
    }
    for (int step = 1; step <= SHOWN_SLOTS; ++step) {
        const int s = (from + step) % SHOWN_SLOTS;
        if (s == from) {
            break;
        }
        const CardSlot& other = widgets_.cardSlots[static_cast<size_t>(s)];
        if (referee_->slotShowing(s) && other.frame() != nullptr && other.frame()->isVisible()) {
            return other.frame();
        }
    }
    return nullptr;
}

void QtTableView::drawFace(int slot, int card) {
    if (CardSlot* shown = this->slot(slot)) {
        shown->drawFace(card, playerColour_);
    }
}

void QtTableView::applyColourScheme(int colour) {
    if (colour < 0 || colour >= PLAYING_COLOURS) {
        return;
    }
    const PlayerLook& player = PLAYERS[static_cast<size_t>(colour)];
    playerColour_ = player.playerColour.to<QColor>();
    if (widgets_.window.isNull()) {
        return;
    }
    keyboard::setMarkColour(widgets_.window, playerColour_);
    widgets_.title->setTextColour(playerColour_);
    widgets_.spin->setTextColour(playerColour_);
    widgets_.pack->setBackColour(playerColour_);
    for (TableButton which : TABLE_BUTTONS) {
        widgets_.button(which)->setTextColour(playerColour_);
    }
    const QColor text = player.cardText.to<QColor>();
    for (CardSlot& slot : widgets_.cardSlots) {
        slot.applyColours(playerColour_, text);
    }
    if (!widgets_.spinsCaption.isNull()) {
        widgets_.spinsCaption->setTextColour(playerColour_);
        widgets_.spinCount->setTextColour(playerColour_);
    }
}

void QtTableView::setTurnCaption(const Caption& wanted) {
    ClickLabel* caption = widgets_.caption;
    if (caption == nullptr) {
        return;
    }
    // The caption grows to the right from its fixed left edge.
    const QString shown = captionText(wanted);
    caption->setFont(units::font(look::TEXT_FONT, captionPoints_, true));
    caption->setText(shown);
    if (!widgets_.window.isNull()) {
        fitToRight(caption, widgets_.window->width());
    }
    updateWindowTitle();
    // A screen reader hears each new caption; a win is read out at once.
    speech::setName(caption, shown);
    if (referee_ != nullptr && referee_->gameOver() == 1) {
        speech::alert(caption);
    }
    if (!caption->isHidden()) {
        news_.append(shown);
    }
    settleLater();
}

void QtTableView::setTurnCaptionColour(Rgb colour) {
    if (!widgets_.caption.isNull()) {
        widgets_.caption->setTextColour(colour.to<QColor>());
    }
}

void QtTableView::setTurnCaptionSize(int points) {
    if (widgets_.caption.isNull()) {
        return;
    }
    captionPoints_ = points;
    widgets_.caption->setFont(units::font(look::TEXT_FONT, points, true));
    widgets_.caption->adjustSize();
}

void QtTableView::showTurnCaption(bool visible) {
    setShown(widgets_.caption, visible);
    updateWindowTitle();
}

void QtTableView::updateWindowTitle() {
    if (widgets_.window.isNull() || widgets_.caption.isNull()) {
        return;
    }
    const ClickLabel* caption = widgets_.caption;
    // Hidden, not merely unseen: the caption counts before the window is
    // first shown.
    widgets_.window->setWindowTitle(caption->isHidden()
                                        ? WINDOW_TITLE
                                        : WINDOW_TITLE + QStringLiteral(" — ") + caption->text());
}

void QtTableView::showTitle(bool visible) {
    setShown(widgets_.title, visible);
}

void QtTableView::showMessage(bool visible) {
    setShown(widgets_.message, visible);
    if (visible) {
        speech::alert(widgets_.message);
        news_.append(widgets_.message->text());
        settleLater();
    }
}

void QtTableView::showPack(bool visible) {
    setShown(widgets_.pack, visible);
}

void QtTableView::showNextPlayer(bool visible) {
    setShown(widgets_.button(TableButton::NextPlayer), visible);
}

void QtTableView::enableNextPlayer(bool enabled) {
    if (ButtonLabel* next = widgets_.button(TableButton::NextPlayer)) {
        next->setEnabled(enabled);
    }
}

void QtTableView::enableSpin(bool enabled) {
    ButtonLabel* spin = widgets_.spin;
    if (spin == nullptr) {
        return;
    }
    // Qt would pass the focus of a button being switched off on to the next
    // control, which might be Exit; through the spin it rests on the dial.
    if (!enabled && spin->hasFocus() && !widgets_.dial.isNull()) {
        speech::announce(widgets_.dial, QCoreApplication::translate("Table", "spinning"));
        widgets_.dial->setFocus(Qt::OtherFocusReason);
    }
    spin->setEnabled(enabled);
    settleLater();
}

// Only the one-player table has a box to count spins in.
void QtTableView::setSpinCount(std::optional<int> spins) {
    if (!widgets_.spinCount.isNull()) {
        widgets_.spinCount->setText(spins ? numbers::count(*spins) : QString());
        fitText(widgets_.spinCount);
    }
}

void QtTableView::setDial(const std::string& picture) {
    if (!widgets_.dial.isNull()) {
        widgets_.dial->setPicture(QString::fromStdString(picture));
    }
}

void QtTableView::setCloseup(const std::string& picture) {
    if (widgets_.closeup.isNull()) {
        return;
    }
    widgets_.closeup->setPicture(QString::fromStdString(picture));
    // The referee stops the spin after it shows the last picture, so the
    // close-up is named once this step is over; one naming serves every
    // step that happened meanwhile.
    settleLater();
}

void QtTableView::playWav(const std::string& name) {
    zandoli::playWav(QString::fromStdString(name));
}

void QtTableView::exitTable(bool save) {
    emit exitRequested(save);
}

void QtTableView::showRules() {
    emit rulesRequested();
}

}  // namespace zandoli

#include "table/QtTableView.h"

#include "language/CaptionText.h"
#include "language/Numbers.h"
#include "platform/FitText.h"
#include "platform/Platform.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/TableLook.h"

namespace zandoli {

namespace {

void setShown(QWidget* widget, bool visible) {
    if (widget != nullptr) {
        widget->setVisible(visible);
    }
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
    if (CardSlot* shown = this->slot(slot)) {
        shown->hide();
    }
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
    if (!widgets_.spin.isNull()) {
        widgets_.spin->setEnabled(enabled);
    }
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
    if (!closeupNaming_) {
        closeupNaming_ = true;
        QMetaObject::invokeMethod(this, &QtTableView::nameCloseup, Qt::QueuedConnection);
    }
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

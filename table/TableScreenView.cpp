// What the referee asks of the table, shown on the table's controls. Every
// step is harmless while the window is not loaded.
#include "platform/Platform.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/TableScreen.h"

namespace zandoli {

namespace {

bool validSlot(int slot) {
    return slot >= 0 && slot < SHOWN_SLOTS;
}

void setShown(QWidget* widget, bool visible) {
    if (widget != nullptr) {
        widget->setVisible(visible);
    }
}

}  // namespace

void TableScreen::hideSlot(int slot) {
    if (validSlot(slot) && static_cast<size_t>(slot) < slots_.size()) {
        slots_[static_cast<size_t>(slot)].hide();
    }
}

void TableScreen::drawFace(int slot, int card) {
    if (validSlot(slot) && static_cast<size_t>(slot) < slots_.size()) {
        slots_[static_cast<size_t>(slot)].drawFace(card, playerColour_);
    }
}

void TableScreen::applyColourScheme(int colour) {
    if (colour < 0 || colour >= PLAYING_COLOURS) {
        return;
    }
    const PlayerLook& player = PLAYERS[static_cast<size_t>(colour)];
    playerColour_ = look::toQColor(player.playerColour);
    if (window_.isNull()) {
        return;
    }
    title_->setTextColour(playerColour_);
    spin_->setTextColour(playerColour_);
    pack_->setBackColour(playerColour_);
    for (const QPointer<ButtonLabel>& button : buttons_) {
        button->setTextColour(playerColour_);
    }
    const QColor text = look::toQColor(player.cardText);
    for (CardSlot& slot : slots_) {
        slot.applyColours(playerColour_, text);
    }
}

void TableScreen::setTurnCaption(const std::string& text) {
    if (caption_.isNull()) {
        return;
    }
    // The caption grows to the right from its fixed left edge.
    const QString shown = QString::fromStdString(text);
    caption_->setText(shown);
    caption_->adjustSize();
    // A screen reader hears each new caption; a win is read out at once.
    speech::setName(caption_, shown);
    if (referee_->gameOver() == 1) {
        speech::alert(caption_);
    }
}

void TableScreen::setTurnCaptionColour(Rgb colour) {
    if (!caption_.isNull()) {
        caption_->setTextColour(look::toQColor(colour));
    }
}

void TableScreen::setTurnCaptionSize(int points) {
    if (caption_.isNull()) {
        return;
    }
    caption_->setFont(units::font(look::TEXT_FONT, points, true));
    caption_->adjustSize();
}

void TableScreen::showTurnCaption(bool visible) {
    setShown(caption_, visible);
}

void TableScreen::showMessage(bool visible) {
    setShown(message_, visible);
    if (visible) {
        speech::alert(message_);
    }
}

void TableScreen::showPack(bool visible) {
    setShown(pack_, visible);
}

void TableScreen::showNextPlayer(bool visible) {
    setShown(buttons_[look::NEXTPLAYER_BUTTON], visible);
}

void TableScreen::enableNextPlayer(bool enabled) {
    if (!buttons_[look::NEXTPLAYER_BUTTON].isNull()) {
        buttons_[look::NEXTPLAYER_BUTTON]->setEnabled(enabled);
    }
}

void TableScreen::enableSpin(bool enabled) {
    if (!spin_.isNull()) {
        spin_->setEnabled(enabled);
    }
}

// The multi-player table counts no spins; it has no box to show them in.
void TableScreen::setSpinCount(const std::string& /*text*/) {}

void TableScreen::setDial(const std::string& picture) {
    if (!dial_.isNull()) {
        dial_->setPicture(QString::fromStdString(picture));
    }
}

void TableScreen::setCloseup(const std::string& picture) {
    if (closeup_.isNull()) {
        return;
    }
    closeup_->setPicture(QString::fromStdString(picture));
    // The referee stops the spin after it shows the last picture, so the
    // close-up is named once this step is over; one naming serves every
    // step that happened meanwhile.
    if (!closeupNaming_) {
        closeupNaming_ = true;
        QMetaObject::invokeMethod(this, &TableScreen::nameCloseup, Qt::QueuedConnection);
    }
}

void TableScreen::playWav(const std::string& name) {
    zandoli::playWav(QString::fromStdString(name));
}

void TableScreen::exitTable(bool save) {
    emit exitRequested(save);
}

void TableScreen::showRules() {
    emit rulesRequested();
}

}  // namespace zandoli

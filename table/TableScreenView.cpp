// What the referee asks of the table, shown on the table's controls. Every
// step is harmless while the window is not loaded.
#include "Platform.h"
#include "Speech.h"
#include "TableScreen.h"
#include "Units.h"

namespace zandoli {

namespace {

bool validslot(int slot) {
    return slot >= 0 && slot < SHOWN_SLOTS;
}

void setvisible(QWidget* widget, bool visible) {
    if (widget != nullptr) {
        widget->setVisible(visible);
    }
}

}  // namespace

void TableScreen::hideslot(int slot) {
    if (validslot(slot) && static_cast<size_t>(slot) < slots_.size()) {
        slots_[static_cast<size_t>(slot)].hide();
    }
}

void TableScreen::drawface(int slot, int card) {
    if (validslot(slot) && static_cast<size_t>(slot) < slots_.size()) {
        slots_[static_cast<size_t>(slot)].drawface(card, playercolour_);
    }
}

void TableScreen::applycolourscheme(int colour) {
    if (colour < 0 || colour >= PLAYING_COLOURS) {
        return;
    }
    const PlayerLook& player = PLAYERS[static_cast<size_t>(colour)];
    playercolour_ = look::qcolour(player.playercolour);
    if (window_.isNull()) {
        return;
    }
    title_->settextcolour(playercolour_);
    spin_->settextcolour(playercolour_);
    pack_->setbackcolour(playercolour_);
    for (const QPointer<ButtonLabel>& button : buttons_) {
        button->settextcolour(playercolour_);
    }
    const QColor text = look::qcolour(player.cardtext);
    for (CardSlot& slot : slots_) {
        slot.applycolours(playercolour_, text);
    }
}

void TableScreen::setturncaption(const std::string& text) {
    if (caption_.isNull()) {
        return;
    }
    // The caption grows to the right from its fixed left edge.
    const QString shown = QString::fromStdString(text);
    caption_->setText(shown);
    caption_->adjustSize();
    // A screen reader hears each new caption; a win is read out at once.
    speech::setname(caption_, shown);
    if (referee_->gameover() == 1) {
        speech::alert(caption_);
    }
}

void TableScreen::setturncaptioncolour(Rgb colour) {
    if (!caption_.isNull()) {
        caption_->settextcolour(look::qcolour(colour));
    }
}

void TableScreen::setturncaptionsize(int points) {
    if (caption_.isNull()) {
        return;
    }
    caption_->setFont(units::font(look::TEXT_FONT, points, true));
    caption_->adjustSize();
}

void TableScreen::showturncaption(bool visible) {
    setvisible(caption_, visible);
}

void TableScreen::showmessage(bool visible) {
    setvisible(message_, visible);
    if (visible) {
        speech::alert(message_);
    }
}

void TableScreen::showpack(bool visible) {
    setvisible(pack_, visible);
}

void TableScreen::shownextplayer(bool visible) {
    setvisible(buttons_[look::NEXTPLAYER_BUTTON], visible);
}

void TableScreen::enablenextplayer(bool enabled) {
    if (!buttons_[look::NEXTPLAYER_BUTTON].isNull()) {
        buttons_[look::NEXTPLAYER_BUTTON]->setEnabled(enabled);
    }
}

void TableScreen::enablespin(bool enabled) {
    if (!spin_.isNull()) {
        spin_->setEnabled(enabled);
    }
}

// The multi-player table counts no spins; it has no box to show them in.
void TableScreen::setspincount(const std::string& /*text*/) {}

void TableScreen::setdial(const std::string& picture) {
    if (!dial_.isNull()) {
        dial_->setpicture(QString::fromStdString(picture));
    }
}

void TableScreen::setcloseup(const std::string& picture) {
    if (closeup_.isNull()) {
        return;
    }
    closeup_->setpicture(QString::fromStdString(picture));
    // The referee stops the spin after it shows the last picture, so the
    // close-up is named once this step is over; one naming serves every
    // step that happened meanwhile.
    if (!closeupnaming_) {
        closeupnaming_ = true;
        QMetaObject::invokeMethod(this, &TableScreen::namecloseup, Qt::QueuedConnection);
    }
}

void TableScreen::playwav(const std::string& name) {
    zandoli::playwav(QString::fromStdString(name));
}

void TableScreen::exittable(bool save) {
    emit exitrequested(save);
}

void TableScreen::showrules() {
    emit rulesrequested();
}

}  // namespace zandoli

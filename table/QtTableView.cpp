#include "table/QtTableView.h"

#include <QApplication>

#include "engine/Spinner.h"
#include "language/CaptionText.h"
#include "language/Numbers.h"
#include "look/TableArt.h"
#include "platform/FitText.h"
#include "platform/KeyboardFocus.h"
#include "platform/Platform.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/DialArt.h"
#include "table/ExplanationWords.h"
#include "table/TableLook.h"

namespace zandoli {

namespace {

void setShown(QWidget* widget, bool visible) {
    if (widget == nullptr) {
        return;
    }
    // Qt would hand the focus of a control being hidden to the next one, and
    // a screen reader would read that out; the view places it instead.
    if (!visible && widget->hasFocus()) {
        widget->clearFocus();
    }
    widget->setVisible(visible);
}

}  // namespace

void QtTableView::show(const TableState& state) {
    if (widgets_.window.isNull()) {
        return;
    }
    const TableState was = std::exchange(shown_, state);
    const bool recoloured = std::exchange(shownColours_, state.player) != state.player;
    if (recoloured) {
        applyColourScheme(state.player);
    }
    if (recoloured || state.captionDark != was.captionDark) {
        widgets_.caption->setTextColour(state.captionDark
                                            ? look::BLACK.to<QColor>()
                                            : look::player(state.player).colour.to<QColor>());
    }
    showCaption(state);
    setShown(widgets_.caption, state.captionShown);
    setShown(widgets_.title, state.titleShown);
    if (state.messageShown && !was.messageShown) {
        setShown(widgets_.message, true);
        speech::alert(widgets_.message);
    } else if (!state.messageShown) {
        setShown(widgets_.message, false);
    }
    setShown(widgets_.pack, state.packShown);
    ButtonLabel* next = widgets_.button(TableButton::NextPlayer);
    setShown(next, state.nextPlayerShown);
    next->setEnabled(state.nextPlayerEnabled);
    enableSpin(state.spinEnabled);
    setShown(widgets_.results, state.phase == Phase::Won);
    // Only the one-player table has a box to count spins in.
    if (!widgets_.spinCount.isNull() && state.spinCount != was.spinCount) {
        widgets_.spinCount->setText(state.spinCount ? numbers::count(*state.spinCount) : QString());
        fitText(widgets_.spinCount);
    }
    if (state.pointer != was.pointer || state.spinner != was.spinner) {
        showPointer(state.pointer);
    }
    showFaces(state, recoloured);
    if (state.explanation != was.explanation || recoloured) {
        showExplanation(state);
    }
    updateWindowTitle();
    nameCloseup();
}

void QtTableView::showExplanation(const TableState& state) {
    for (size_t s = 0; s < widgets_.marks.size(); ++s) {
        ShapeWidget* mark = widgets_.marks[s];
        const bool wrong = state.explanation && state.explanation->wrongSlot == static_cast<int>(s);
        const bool left = state.explanation && state.explanation->missed[s];
        mark->setBorderColour((wrong ? look::MARK_WRONG : look::MARK_LEFT).to<QColor>());
        mark->setVisible(wrong || left);
    }
    ExplanationPanel* panel = widgets_.explanation;
    if (!state.explanation) {
        setShown(panel, false);
        return;
    }
    panel->showWords(explanationWords(state), state.player);
}

void QtTableView::showCaption(const TableState& state) {
    ClickLabel* caption = widgets_.caption;
    const QString text = captionText(state.caption);
    if (text == shownCaption_) {
        return;
    }
    shownCaption_ = text;
    // The caption grows to the right from its fixed left edge; a long
    // caption in another language may be shown smaller, and the next one
    // starts from the design's size again.
    const int points = state.caption.kind == CaptionKind::WonInSpins
                           ? look::WIN_COUNT_CAPTION_POINTS
                           : look::CAPTION_POINTS;
    caption->setFont(units::font(look::TEXT_FONT, points, true));
    caption->setText(text);
    fitToRight(caption, stageOrigin(widgets_.window).x() + units::px(FIT_WIDTH_TWIPS));
    // A screen reader hears each new caption.
    speech::setName(caption, text);
}

void QtTableView::showFaces(const TableState& state, bool recoloured) {
    const QColor colour = look::player(state.player).colour.to<QColor>();
    std::vector<CardSlot>& cards = widgets_.cardSlots;
    for (size_t s = 0; s < cards.size(); ++s) {
        const int16_t card = state.faces[s];
        if (card != NO_CARD && (recoloured || cards[s].card() != card)) {
            cards[s].drawFace(card, colour);
        }
    }
    for (size_t s = 0; s < cards.size(); ++s) {
        CardSlot* shown = &cards[s];
        if (state.faces[s] != NO_CARD || shown->card() == NO_CARD) {
            continue;
        }
        // A discarded card hands the focus on to the next card of the hand.
        // When the whole hand goes, the focus is let go rather than passed
        // along each card in turn, and placed once the step is over.
        if (ShapeButton* frame = shown->frame(); frame->hasFocus()) {
            if (QWidget* next = nextCard(static_cast<int>(s))) {
                next->setFocus(Qt::OtherFocusReason);
            } else {
                frame->clearFocus();
            }
        }
        shown->hide();
    }
}

QWidget* QtTableView::nextCard(int from) const {
    for (int step = 1; step <= SHOWN_SLOTS; ++step) {
        const int s = (from + step) % SHOWN_SLOTS;
        if (s == from) {
            break;
        }
        const CardSlot& other = widgets_.cardSlots[static_cast<size_t>(s)];
        if (shown_.faces[static_cast<size_t>(s)] != NO_CARD && other.frame()->isVisible()) {
            return other.frame();
        }
    }
    return nullptr;
}

void QtTableView::applyColourScheme(int colour) {
    const look::Player& player = look::player(colour);
    const QColor playerColour = player.colour.to<QColor>();
    keyboard::setMarkColour(widgets_.window, playerColour);
    widgets_.title->setTextColour(playerColour);
    widgets_.spin->setTextColour(playerColour);
    widgets_.results->setTextColour(playerColour);
    widgets_.pack->setBackColour(playerColour);
    for (TableButton which : TABLE_BUTTONS) {
        widgets_.button(which)->setTextColour(playerColour);
    }
    const QColor text = player.cardText.to<QColor>();
    for (CardSlot& slot : widgets_.cardSlots) {
        slot.applyColours(playerColour, text);
    }
    if (!widgets_.spinsCaption.isNull()) {
        widgets_.spinsCaption->setTextColour(playerColour);
        widgets_.spinCount->setTextColour(playerColour);
    }
}

void QtTableView::enableSpin(bool enabled) {
    ButtonLabel* spin = widgets_.spin;
    if (spin->isEnabled() == enabled) {
        return;
    }
    // Qt would pass the focus of a button being switched off on to the next
    // control, which might be Exit; through the spin it rests on the dial.
    if (!enabled && spin->hasFocus()) {
        speech::announce(widgets_.dial, QCoreApplication::translate("Table", "spinning"));
        widgets_.dial->setFocus(Qt::OtherFocusReason);
    }
    spin->setEnabled(enabled);
}

void QtTableView::showPointer(const std::optional<int>& pointer) {
    const SpinnerValues& spinner = shown_.spinner;
    if (dialArt::drawnAtBuild(spinner)) {
        widgets_.dial->setPicture(
            QString::fromStdString(pointer ? look::dialPicture(*pointer) : look::DIAL_AT_REST));
        // The pointer moves on one position a step: the next dial is decoded
        // while this one shows, so that no step waits for its picture.
        if (pointer) {
            widgets_.dial->prepare(
                QString::fromStdString(look::dialPicture((*pointer + 1) % SPIN_POSITIONS)));
        }
    } else {
        widgets_.dial->setPixmap(dialArt::dial(spinner, pointer));
        widgets_.dial->adjustSize();
    }
    widgets_.closeup->setPicture(QString::fromStdString(dialArt::closeup(spinner, pointer)));
}

void QtTableView::updateWindowTitle() {
    const ClickLabel* caption = widgets_.caption;
    // Hidden, not merely unseen: the caption counts before the window is
    // first shown.
    widgets_.window->setWindowTitle(caption->isHidden()
                                        ? WINDOW_TITLE
                                        : WINDOW_TITLE + QStringLiteral(" — ") + caption->text());
}

QString QtTableView::captionNews() const {
    return widgets_.caption->isHidden() ? QString() : widgets_.caption->text();
}

void QtTableView::happened(const TableEvent& event) {
    if (const char* sound = look::momentSound(event.moment);
        sound != nullptr && game_.playSound == 1) {
        playWav(QString::fromLatin1(sound));
    }
    if (widgets_.window.isNull()) {
        return;
    }
    switch (event.moment) {
        case Moment::TurnBegan: {
            // Every turn is laid out in its player's colours, even the next
            // turn of the same player, which frees the frames that a tile
            // turned black.
            shownColours_.reset();
            const TableState laidOut = shown_;
            show(laidOut);
            [[fallthrough]];
        }
        case Moment::CardTurnedUp:
            if (shown_.spinEnabled) {
                moveFocusLater(widgets_.spin, captionNews());
            }
            break;
        case Moment::SpinStopped: {
            const QString result = QCoreApplication::translate("Table", "spinner: %1")
                                       .arg(widgets_.closeup->accessibleName());
            moveFocusLater(shown_.packTakeable ? widgets_.pack.data() : nextCard(-1), result);
            break;
        }
        case Moment::WrongCard:
            // The message reads what else the table now says ("TURN OVER").
            moveFocusLater(widgets_.message, captionNews());
            break;
        case Moment::Explained:
            // OK reads the explanation: the sentence and both values in words.
            moveFocusLater(widgets_.explanation->okButton(), explanationWords(shown_).spoken);
            break;
        case Moment::Won:
            speech::alert(widgets_.caption);
            moveFocusLater(widgets_.button(TableButton::NewGame), captionNews());
            break;
        case Moment::RulesShown:
        case Moment::ResultsShown:
        case Moment::ExplanationRead:
        case Moment::ExitAccepted:
        case Moment::Dealt:
        case Moment::SpinStarted:
        case Moment::CardDiscarded:
        case Moment::CardDrawn:
        case Moment::TurnEnded:
        case Moment::HandedOver:
            break;
    }
}

void QtTableView::moveFocusLater(QWidget* control, const QString& news) {
    // The last target asked for wins: a settle queued before it finds it, and
    // any after that find none.
    focusTarget_ = control;
    focusNews_ = news;
    QMetaObject::invokeMethod(this, &QtTableView::settle, Qt::QueuedConnection);
}

void QtTableView::settle() {
    QWidget* control = std::exchange(focusTarget_, nullptr);
    if (control == nullptr || !control->isVisible() || !control->isEnabled()) {
        return;
    }
    speech::announce(control, focusNews_);
    control->setFocus(Qt::OtherFocusReason);
}

}  // namespace zandoli

#include "moc_QtTableView.cpp"

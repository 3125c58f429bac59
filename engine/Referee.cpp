#include "engine/Referee.h"

#include <algorithm>

#include "engine/Captions.h"
#include "engine/Colours.h"
#include "engine/Layout.h"
#include "engine/Pack.h"
#include "engine/Sounds.h"

namespace zandoli {

Referee::Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random)
    : state_(state), view_(view), scheduler_(scheduler), random_(random) {
    spinValue_ = SPINVALUES;
    scheduler_.setCallback([this](TimerId id) { timerFired(id); });
}

bool Referee::dealing() const {
    return scheduler_.running(TimerId::DealDelay);
}

bool Referee::spinning() const {
    return scheduler_.running(TimerId::SpinStep);
}

bool Referee::slotShowing(int slot) const {
    return slot >= 0 && slot < liveSlots_ && slot < SHOWN_SLOTS &&
           state_.turnHand[state_.colour][slot] != NO_CARD;
}

const PlayerLook& Referee::player() const {
    return PLAYERS[std::clamp<int>(state_.colour, 0, PLAYING_COLOURS - 1)];
}

bool Referee::resultIs(double marker) const {
    return valuesMatch(result(), marker);
}

void Referee::load() {
    // A table left by Exit took its timers down with its window; the referee
    // outlives the window, so start from none running.
    scheduler_.stopAll();
    // The window has just been built with these: the dial at rest, Spin
    // enabled, Next Player hidden and disabled.
    spinEnabled_ = true;
    nextEnabled_ = false;
    startGame();
}

void Referee::startGame() {
    view_.setDial(DIAL_AT_REST);
    view_.setCloseup(CLOSEUP_AT_REST);
    spinValue_ = SPINVALUES;
    if (state_.restoring == 1) {
        restoreGame();
        return;
    }
    resetGame();
    nextColour();
    setCards();
    hideSlots();
    play(SOUND_SHUFFLE);
    scheduler_.start(TimerId::DealDelay);
}

void Referee::endDealDelay() {
    startPlay();
    scheduler_.stop(TimerId::DealDelay);
}

void Referee::startPlay() {
    nextColour();
    setCards();
    view_.showTurnCaption(true);
    view_.showPack(true);
    showNextPlayerDisabled();
    setSpinEnabled(true);
}

void Referee::resetGame() {
    gameOver_ = 0;
    spinPos_ = 0;
    spinStep_ = 0;
    state_.colour = 0;
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.turnOver = 1;
    resetSpins();
    clearHands(state_);
}

void Referee::timerFired(TimerId id) {
    switch (id) {
        case TimerId::SpinStep:
            spinStepped();
            break;
        case TimerId::HandOver:
            view_.showMessage(false);
            nextPlayer();
            scheduler_.stop(TimerId::HandOver);
            break;
        case TimerId::WinFlash:
            flashStep();
            break;
        case TimerId::DealDelay:
            endDealDelay();
            break;
        case TimerId::DrawDelay:
            showDrawnCard();
            scheduler_.stop(TimerId::DrawDelay);
            break;
        case TimerId::TurnStart:
            startTurn();
            break;
    }
}

void Referee::nextColour() {
    hideSlots();
    const PlayerLook& look = player();
    view_.setTurnCaption(std::string(look.turnCaption));
    view_.setTurnCaptionColour(look.playerColour);
    view_.applyColourScheme(state_.colour);
    liveSlots_ = std::clamp<int>(state_.handSize[state_.colour], 0, SHOWN_SLOTS);
    for (int s = 0; s < liveSlots_; ++s) {
        state_.turnHand[state_.colour][s] = state_.hand[state_.colour][s];
    }
}

void Referee::hideSlots() {
    liveSlots_ = 0;
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        view_.hideSlot(s);
    }
}

void Referee::spinPressed() {
    // A disabled button cannot be pressed.
    if (spinEnabled_) {
        spin();
    }
}

void Referee::spin() {
    if (dealing() || gameOver_ == 1) {
        return;
    }
    countSpin();
    setSpinEnabled(false);
    state_.turnOver = 0;
    const int extra = static_cast<int>(random_.next() * SPIN_LENGTHS);
    spinLength_ = static_cast<int16_t>(SHORTEST_SPIN + std::clamp(extra, 0, SPIN_LENGTHS - 1));
    launchSpin();
}

void Referee::launchSpin() {
    play(SOUND_SPIN);
    scheduler_.start(TimerId::SpinStep);
}

void Referee::startTurn() {
    // Only the one-player table arms the turn-start timer.
    scheduler_.stop(TimerId::TurnStart);
}

void Referee::spinStepped() {
    spinPos_ = static_cast<int16_t>((spinPos_ + 1) & (SPIN_POSITIONS - 1));
    view_.setDial(dialPicture(spinPos_));
    view_.setCloseup(closeupPicture(spinPos_));
    ++spinStep_;
    if (spinStep_ >= spinLength_) {
        enableAfterSpin();
        play(SOUND_SPIN_END);
        scheduler_.stop(TimerId::SpinStep);
        spinStep_ = 0;
    }
}

void Referee::enableAfterSpin() {
    if (!resultIs(BLUE_STAR)) {
        setNextEnabled(true);
    }
}

void Referee::tablePressed(double x, double y) {
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        if (slotShowing(s) && strictlyInside(slotFrame(s), x, y)) {
            cardClicked(s);
        }
    }
    if (strictlyInside(PACK_FRAME, x, y)) {
        drawCard();
    }
}

void Referee::cardClicked(int slot) {
    if (state_.turnOver == 1 || gameOver_ == 1 || dealing() || spinning()) {
        return;
    }
    // A hidden slot cannot be clicked on screen; this keeps a stray call from
    // judging an empty or discarded slot.
    if (!slotShowing(slot)) {
        return;
    }
    const int16_t card = state_.hand[state_.colour][slot];
    if (cardMatches(card, result())) {
        discard(slot);
    } else if (!resultIs(RED_STAR) && !resultIs(BLUE_STAR)) {
        view_.showMessage(true);
        view_.setTurnCaption(CAPTION_TURN_OVER);
        state_.turnOver = 1;
        lockAfterWrongCard();
        scheduler_.start(TimerId::HandOver);
        play(SOUND_WRONG);
    }
    // Not an else: a star result never matches a card, so this is the red
    // star's one free discard.
    if (resultIs(RED_STAR) && state_.starUsed == 0) {
        state_.starUsed = 1;
        discard(slot);
        afterRedStarDiscard();
    }
    if (state_.handSize[state_.colour] == 0) {
        endGame();
    }
}

void Referee::discard(int slot) {
    view_.hideSlot(slot);
    state_.turnHand[state_.colour][slot] = NO_CARD;
    --state_.handSize[state_.colour];
    play(SOUND_DISCARD);
}

void Referee::lockAfterWrongCard() {
    setNextEnabled(false);
}

void Referee::afterRedStarDiscard() {
    setNextEnabled(false);
    scheduler_.start(TimerId::HandOver);
}

void Referee::drawCard() {
    // A press on the pack draws only after the current player's own finished
    // spin stopped on the blue star: not while the pointer passes it, and not
    // on the previous player's result at the start of a turn.
    const bool ownResult =
        state_.turnOver == 0 && !spinning() && !scheduler_.running(TimerId::TurnStart);
    if (!ownResult || !resultIs(BLUE_STAR) || state_.drawn != 0) {
        return;
    }
    state_.drawn = 1;
    auto& size = state_.handSize[state_.colour];
    const int slot = std::clamp<int>(size, 0, SHOWN_SLOTS);
    state_.hand[state_.colour][slot] = state_.topCard;
    state_.turnHand[state_.colour][slot] = state_.topCard;
    size = static_cast<int16_t>(std::min(slot + 1, SHOWN_SLOTS));
    state_.packPos = static_cast<int16_t>((state_.packPos + 1) % PACK_SIZE);
    state_.topCard = packOrder_[state_.packPos];
    play(SOUND_DRAW);
    scheduler_.start(TimerId::DrawDelay);
}

void Referee::afterDrawShown() {
    scheduler_.start(TimerId::HandOver);
}

void Referee::nextPlayer() {
    if (gameOver_ == 1) {
        return;
    }
    passTurn();
    state_.turnOver = 1;
    view_.setDial(DIAL_AT_REST);
    view_.setCloseup(CLOSEUP_AT_REST);
    nextColour();
    showCards();
    buttonsAtHandOver();
    play(SOUND_HANDOVER);
}

void Referee::passTurn() {
    foldTurn(state_, state_.colour);
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.colour = static_cast<int16_t>((state_.colour + 1) % std::max<int>(state_.numPlayers, 1));
}

void Referee::buttonsAtHandOver() {
    setSpinEnabled(true);
    setNextEnabled(false);
}

void Referee::endGame() {
    gameOver_ = 1;
    announceWin();
    scheduler_.start(TimerId::WinFlash);
    play(SOUND_WIN);
}

void Referee::announceWin() {
    view_.setTurnCaption(std::string(player().winCaption));
}

void Referee::flashStep() {
    flash_ = static_cast<int16_t>((flash_ + 1) % 2);
    view_.setTurnCaptionColour(flash_ == 1 ? BLACK : player().playerColour);
}

void Referee::buttonPressed(TableButton button) {
    if (dealing()) {
        return;
    }
    switch (button) {
        case TableButton::Exit:
            view_.exitTable(gameOver_ == 0);
            break;
        case TableButton::NewGame:
            newGame();
            break;
        case TableButton::NextPlayer:
            if (nextEnabled_) {
                nextPlayer();
            }
            break;
        case TableButton::Rules:
            view_.showRules();
            play(SOUND_CLICK);
            break;
    }
}

void Referee::newGame() {
    scheduler_.stop(TimerId::WinFlash);
    // New Game stops a running spin, draw delay and hand-over delay, so nothing
    // of the old game acts on the new one.
    scheduler_.stop(TimerId::SpinStep);
    scheduler_.stop(TimerId::TurnStart);
    scheduler_.stop(TimerId::DrawDelay);
    scheduler_.stop(TimerId::HandOver);
    resetGame();
    clearSpinCount();
    view_.setDial(DIAL_AT_REST);
    view_.setCloseup(CLOSEUP_AT_REST);
    view_.showMessage(false);
    view_.showTurnCaption(false);
    view_.showPack(false);
    hideNextPlayer();
    hideSlots();
    play(SOUND_SHUFFLE);
    scheduler_.start(TimerId::DealDelay);
}

void Referee::showNextPlayerDisabled() {
    view_.showNextPlayer(true);
    setNextEnabled(false);
}

void Referee::hideNextPlayer() {
    view_.showNextPlayer(false);
}

void Referee::setSpinEnabled(bool enabled) {
    spinEnabled_ = enabled;
    view_.enableSpin(enabled);
}

void Referee::setNextEnabled(bool enabled) {
    nextEnabled_ = enabled;
    view_.enableNextPlayer(enabled);
}

void Referee::play(const char* sound) {
    if (state_.playSound == 1) {
        view_.playWav(sound);
    }
}

}  // namespace zandoli

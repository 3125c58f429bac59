#include "engine/Referee.h"

#include <algorithm>
#include <string>

#include "engine/Captions.h"
#include "engine/Colours.h"
#include "engine/Layout.h"
#include "engine/Pack.h"
#include "engine/Sounds.h"

namespace zandoli {

Referee::Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random)
    : Referee(state, view, scheduler, random, MULTI_PLAYER_RULES) {}

Referee::Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random,
                 const TableRules& rules)
    : state_(state), view_(view), scheduler_(scheduler), random_(random), rules_(rules) {
    spinValue_ = SPINVALUES;
    scheduler_.setCallback([this](TimerId id) { timerFired(id); });
}

bool Referee::slotShowing(int slot) const {
    return slot >= 0 && slot < liveSlots_ && state_.turnHand[state_.colour][slot] != NO_CARD;
}

const PlayerLook& Referee::currentLook() const {
    return PLAYERS[std::clamp<int>(state_.colour, 0, PLAYING_COLOURS - 1)];
}

bool Referee::resultIs(double marker) const {
    return valuesMatch(result(), marker);
}

// Every timer's handler, and the phase each one moves the turn on to.
void Referee::timerFired(TimerId id) {
    switch (id) {
        case TimerId::DealDelay:  // Dealing -> AwaitingSpin
            scheduler_.stop(TimerId::DealDelay);
            startPlay();
            break;
        case TimerId::SpinStep:  // Spinning -> Playing at the last step
            stepPointer();
            break;
        case TimerId::DrawDelay:  // Drawing -> HandingOver, or AwaitingSpin
            scheduler_.stop(TimerId::DrawDelay);
            showDrawnCard();
            break;
        case TimerId::HandOver:  // HandingOver -> AwaitingSpin
            scheduler_.stop(TimerId::HandOver);
            view_.showMessage(false);
            // A red star's last card wins before its hand-over is due; the
            // winner keeps the table.
            if (phase_ == Phase::HandingOver) {
                handToNextPlayer();
            }
            break;
        case TimerId::WinFlash:  // Won, until New Game or Exit
            flashWinCaption();
            break;
        default:
            otherTimerFired(id);
            break;
    }
}

void Referee::load() {
    // A table left by Exit took its timers down with its window; the referee
    // outlives the window, so start from none running.
    scheduler_.stopAll();
    // The window has just been built with these: the dial at rest, Spin
    // enabled, Next Player hidden and disabled.
    spinEnabled_ = true;
    nextEnabled_ = false;
    dealOrRestoreGame();
}

void Referee::dealOrRestoreGame() {
    view_.setDial(DIAL_AT_REST);
    view_.setCloseup(CLOSEUP_AT_REST);
    view_.showTitle(true);
    spinValue_ = SPINVALUES;
    if (state_.restoring == 1) {
        restoreGame();
        return;
    }
    resetGame();
    layOutTurn();
    dealOrShowHand();
    hideSlots();
    playSound(SOUND_SHUFFLE);
    beginDealDelay();
}

void Referee::beginDealDelay() {
    phase_ = Phase::Dealing;
    scheduler_.start(TimerId::DealDelay);
}

void Referee::startPlay() {
    layOutTurn();
    dealOrShowHand();
    view_.showTurnCaption(true);
    view_.showPack(true);
    if (rules_.handOverButton) {
        view_.showNextPlayer(true);
        setNextEnabled(false);
    }
    setSpinEnabled(true);
    phase_ = Phase::AwaitingSpin;
}

void Referee::resetGame() {
    spinPos_ = 0;
    spinStep_ = 0;
    state_.colour = 0;
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.turnOver = 1;
    if (rules_.countsSpins) {
        state_.spins = 0;
    }
    clearHands(state_);
}

void Referee::layOutTurn() {
    hideSlots();
    const PlayerLook& look = currentLook();
    view_.setTurnCaption({CaptionKind::ToPlay, state_.colour});
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
    // Spin stays enabled through a deal and after a one-player win, but only
    // a turn waiting for its spin, or a one-player turn played out, spins.
    if (!spinEnabled_ || (phase_ != Phase::AwaitingSpin && phase_ != Phase::Playing)) {
        return;
    }
    // At 32767 the count stops rising; the spin itself is still allowed.
    if (rules_.countsSpins && state_.spins < MAX_SPINS) {
        ++state_.spins;
    }
    setSpinEnabled(false);
    state_.turnOver = 0;
    const int extra = static_cast<int>(random_.next() * SPIN_LENGTHS);
    spinLength_ = static_cast<int16_t>(SHORTEST_SPIN + std::clamp(extra, 0, SPIN_LENGTHS - 1));
    startSpinning();
}

void Referee::startSpinning() {
    phase_ = Phase::Spinning;
    playSound(SOUND_SPIN);
    scheduler_.start(TimerId::SpinStep);
}

void Referee::stepPointer() {
    spinPos_ = static_cast<int16_t>((spinPos_ + 1) & (SPIN_POSITIONS - 1));
    view_.setDial(dialPicture(spinPos_));
    view_.setCloseup(closeupPicture(spinPos_));
    ++spinStep_;
    if (spinStep_ < spinLength_) {
        return;
    }
    scheduler_.stop(TimerId::SpinStep);
    spinStep_ = 0;
    phase_ = Phase::Playing;
    spinStopped();
    playSound(SOUND_SPIN_END);
}

void Referee::spinStopped() {
    // On the blue star the turn ends only by drawing from the pack.
    if (!resultIs(BLUE_STAR)) {
        enableTurnEnd(true);
    }
    if (rules_.countsSpins) {
        showSpinCount();
    }
}

void Referee::enableTurnEnd(bool enabled) {
    if (rules_.handOverButton) {
        setNextEnabled(enabled);
    }
    if (rules_.turnPerSpin) {
        setSpinEnabled(enabled);
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
    // Cards are judged only against the current player's own stopped spin. A
    // hidden slot cannot be clicked on screen; slotShowing keeps a stray call
    // from judging an empty or discarded slot.
    if (phase_ != Phase::Playing || !slotShowing(slot)) {
        return;
    }
    const int16_t card = state_.hand[state_.colour][slot];
    if (cardMatches(card, result())) {
        discard(slot);
    } else if (!resultIs(RED_STAR) && !resultIs(BLUE_STAR)) {
        view_.showMessage(true);
        view_.setTurnCaption({CaptionKind::TurnOver, state_.colour});
        state_.turnOver = 1;
        enableTurnEnd(false);
        startHandOver();
        playSound(SOUND_WRONG);
    }
    // Not an else: a star result never matches a card, so this is the red
    // star's one free discard.
    if (resultIs(RED_STAR) && state_.starUsed == 0) {
        state_.starUsed = 1;
        discard(slot);
        if (!rules_.turnPerSpin) {
            enableTurnEnd(false);
            startHandOver();
        }
    }
    if (state_.handSize[state_.colour] == 0) {
        win();
    }
}

void Referee::discard(int slot) {
    view_.hideSlot(slot);
    state_.turnHand[state_.colour][slot] = NO_CARD;
    --state_.handSize[state_.colour];
    playSound(SOUND_DISCARD);
}

void Referee::startHandOver() {
    phase_ = Phase::HandingOver;
    scheduler_.start(TimerId::HandOver);
}

void Referee::drawCard() {
    // Only the current player's own stopped spin on the blue star draws: not
    // while the pointer passes it, not on the previous player's result at the
    // start of a turn, and once a turn, since the draw moves the turn on.
    if (phase_ != Phase::Playing || !resultIs(BLUE_STAR)) {
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
    playSound(SOUND_DRAW);
    phase_ = Phase::Drawing;
    scheduler_.start(TimerId::DrawDelay);
}

void Referee::handToNextPlayer() {
    passTurn();
    state_.turnOver = 1;
    view_.setDial(DIAL_AT_REST);
    view_.setCloseup(CLOSEUP_AT_REST);
    layOutTurn();
    showHand();
    setSpinEnabled(true);
    if (rules_.handOverButton) {
        setNextEnabled(false);
    }
    playSound(SOUND_HANDOVER);
    phase_ = Phase::AwaitingSpin;
}

void Referee::passTurn() {
    foldTurn(state_, state_.colour);
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.colour = static_cast<int16_t>((state_.colour + 1) % std::max<int>(state_.numPlayers, 1));
}

void Referee::win() {
    phase_ = Phase::Won;
    // A win caption is wider than a turn caption and reaches under the title:
    // the title steps aside until the next game.
    view_.showTitle(false);
    if (rules_.countsSpins) {
        view_.setTurnCaptionSize(WIN_COUNT_CAPTION_POINTS);
        view_.setTurnCaption({CaptionKind::WonInSpins, state_.colour, state_.spins});
    } else {
        view_.setTurnCaption({CaptionKind::Won, state_.colour});
    }
    scheduler_.start(TimerId::WinFlash);
    playSound(SOUND_WIN);
}

void Referee::flashWinCaption() {
    flash_ = !flash_;
    view_.setTurnCaptionColour(flash_ ? BLACK : currentLook().playerColour);
}

void Referee::buttonPressed(TableButton button) {
    if (phase_ == Phase::Dealing) {
        return;
    }
    switch (button) {
        case TableButton::Exit:
            view_.exitTable(phase_ != Phase::Won);
            break;
        case TableButton::NewGame:
            newGame();
            break;
        case TableButton::NextPlayer:
            // Next Player stays enabled when the click that enabled it wins.
            if (nextEnabled_ && phase_ == Phase::Playing) {
                handToNextPlayer();
            }
            break;
        case TableButton::Rules:
            view_.showRules();
            playSound(SOUND_CLICK);
            break;
    }
}

void Referee::newGame() {
    // Every timer of the old game stops (a spin, a turn about to start, a
    // draw or hand-over delay, the win flash), so nothing of it acts on the
    // new one.
    scheduler_.stopAll();
    resetGame();
    if (rules_.countsSpins) {
        view_.setSpinCount(std::nullopt);
        view_.setTurnCaptionSize(CAPTION_POINTS);
    }
    view_.setDial(DIAL_AT_REST);
    view_.setCloseup(CLOSEUP_AT_REST);
    view_.showMessage(false);
    view_.showTurnCaption(false);
    view_.showTitle(true);
    view_.showPack(false);
    if (rules_.handOverButton) {
        view_.showNextPlayer(false);
    }
    hideSlots();
    playSound(SOUND_SHUFFLE);
    beginDealDelay();
}

void Referee::showSpinCount() {
    view_.setSpinCount(state_.spins);
}

void Referee::setSpinEnabled(bool enabled) {
    spinEnabled_ = enabled;
    view_.enableSpin(enabled);
}

void Referee::setNextEnabled(bool enabled) {
    nextEnabled_ = enabled;
    view_.enableNextPlayer(enabled);
}

void Referee::playSound(const char* sound) {
    if (state_.playSound == 1) {
        view_.playWav(sound);
    }
}

}  // namespace zandoli

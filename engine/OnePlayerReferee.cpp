#include "engine/OnePlayerReferee.h"

#include <algorithm>
#include <string>

#include "engine/Captions.h"
#include "engine/Sounds.h"

namespace zandoli {

void OnePlayerReferee::countSpin() {
    // At 32767 the count stops rising; the spin itself is still allowed.
    if (state_.spins < MAX_SPINS) {
        ++state_.spins;
    }
}

void OnePlayerReferee::launchSpin() {
    // The turn starts just after this press has been handled.
    scheduler_.start(TimerId::TurnStart);
}

void OnePlayerReferee::startTurn() {
    // The tick is one-shot even when the game was won in the meantime.
    scheduler_.stop(TimerId::TurnStart);
    if (gameOver_ == 1) {
        return;
    }
    passTurn();
    nextColour();
    showCards();
    play(SOUND_SPIN);
    scheduler_.start(TimerId::SpinStep);
}

void OnePlayerReferee::enableAfterSpin() {
    if (!resultIs(BLUE_STAR)) {
        setSpinEnabled(true);
    }
    showSpinCount();
}

void OnePlayerReferee::lockAfterWrongCard() {
    setSpinEnabled(false);
}

void OnePlayerReferee::buttonsAtHandOver() {
    setSpinEnabled(true);
}

void OnePlayerReferee::afterDrawShown() {
    setSpinEnabled(true);
}

void OnePlayerReferee::announceWin() {
    view_.setTurnCaptionSize(WIN_COUNT_CAPTION_POINTS);
    view_.setTurnCaption(CAPTION_WON_IN + std::to_string(state_.spins) + CAPTION_SPINS);
}

void OnePlayerReferee::resetSpins() {
    state_.spins = 0;
}

void OnePlayerReferee::clearSpinCount() {
    view_.setSpinCount("");
    view_.setTurnCaptionSize(CAPTION_POINTS);
}

void OnePlayerReferee::showSpinCount() {
    view_.setSpinCount(std::to_string(state_.spins));
}

}  // namespace zandoli

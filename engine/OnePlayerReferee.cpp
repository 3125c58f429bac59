#include "OnePlayerReferee.h"

#include <algorithm>
#include <string>

#include "Captions.h"
#include "Sounds.h"

namespace zandoli {

void OnePlayerReferee::countspin() {
    // At 32767 the count stops rising; the spin itself is still allowed.
    if (state_.spins < MAX_SPINS) {
        ++state_.spins;
    }
}

void OnePlayerReferee::launchspin() {
    // The turn starts just after this press has been handled.
    scheduler_.start(TimerId::Timer6);
}

void OnePlayerReferee::startturn() {
    // The tick is one-shot even when the game was won in the meantime.
    scheduler_.stop(TimerId::Timer6);
    if (gameover_ == 1) {
        return;
    }
    passturn();
    nextcolour();
    showcards();
    play(SOUND_SPIN);
    scheduler_.start(TimerId::Timer1);
}

void OnePlayerReferee::enableafterspin() {
    if (!resultis(BLUE_STAR)) {
        setspinenabled(true);
    }
    showspincount();
}

void OnePlayerReferee::lockafterwrongcard() {
    setspinenabled(false);
}

void OnePlayerReferee::buttonsathandover() {
    setspinenabled(true);
}

void OnePlayerReferee::afterdrawshown() {
    setspinenabled(true);
}

void OnePlayerReferee::announcewin() {
    view_.setturncaptionsize(WIN_COUNT_CAPTION_POINTS);
    view_.setturncaption(CAPTION_WON_IN + std::to_string(state_.spins) + CAPTION_SPINS);
}

void OnePlayerReferee::resetspins() {
    state_.spins = 0;
}

void OnePlayerReferee::clearspincount() {
    view_.setspincount("");
    view_.setturncaptionsize(CAPTION_POINTS);
}

void OnePlayerReferee::showspincount() {
    view_.setspincount(std::to_string(state_.spins));
}

}  // namespace zandoli

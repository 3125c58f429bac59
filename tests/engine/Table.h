#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "engine/OnePlayerReferee.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

// A table with its fakes. The generator returns 0 unless told otherwise, so
// a deal gives the golden pack: position k holds card (k + 8) mod 48, Blue
// holds 8..14, Yellow 15..21, Magenta 22..28, Green 29..35.
template <typename R = Referee>
struct Table {
    explicit Table(int players) {
        state.numPlayers = static_cast<int16_t>(players);
        state.playSound = 1;
    }
    void deal() {
        referee.load();
        scheduler.advance(timerInterval(TimerId::DealDelay));
        view.sounds.clear();
    }
    // Brings back a saved table at Blue's turn with the given hand.
    void restoreBlue(const std::vector<int16_t>& cards) {
        state.hand[0].fill(NO_CARD);
        std::copy(cards.begin(), cards.end(), state.hand[0].begin());
        state.turnHand[0] = state.hand[0];
        state.handSize[0] = static_cast<int16_t>(cards.size());
        state.colour = 0;
        state.restoring = 1;
        referee.load();
        state.restoring = 0;
        view.sounds.clear();
    }
    // Spins so that the pointer stops at the position, and waits for it.
    void spinTo(int position) {
        const int length = spinLengthTo(referee.spinPos(), position);
        random.queue(FixedRandom::forSpinLength(length));
        referee.spinPressed();
        scheduler.advance(length * timerInterval(TimerId::SpinStep) + 1);
    }
    void press(int slot) { ScriptedPlayer::pressSlot(referee, slot); }
    void pressPack() { ScriptedPlayer::pressPack(referee); }
    std::vector<int16_t> hand(int colour) const {
        return {state.hand[colour].begin(), state.hand[colour].begin() + state.handSize[colour]};
    }
    // What the table shows, in one line: the turn caption, the message, the
    // buttons that can be pressed and the faces in slot order.
    std::string screen() const {
        std::string s = view.turnCaption;
        s.append(view.messageVisible ? " | message" : "");
        s.append(view.nextPlayerEnabled ? " | next" : "");
        s.append(view.spinEnabled ? " | spin" : "");
        s.append(" |");
        for (int card : view.shownFaces()) {
            s.append(" ").append(std::to_string(card));
        }
        return s;
    }
    bool playing(const std::string& sound) const {
        return !view.sounds.empty() && view.sounds.back() == sound;
    }

    GameState state;
    RecordingView view;
    VirtualScheduler scheduler;
    FixedRandom random;
    R referee{state, view, scheduler, random};
};

}  // namespace zandoli::testing

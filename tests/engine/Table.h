#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "FixedRandom.h"
#include "OnePlayerReferee.h"
#include "RecordingView.h"
#include "ScriptedPlayer.h"
#include "VirtualScheduler.h"

namespace zandoli::testing {

// A table with its fakes. The generator returns 0 unless told otherwise, so
// a deal gives the golden pack: position k holds card (k + 8) mod 48, Blue
// holds 8..14, Yellow 15..21, Magenta 22..28, Green 29..35.
template <typename R = Referee>
struct Table {
    explicit Table(int players) {
        state.numplayers = static_cast<int16_t>(players);
        state.playsound = 1;
    }
    void deal() {
        referee.Form_Load();
        scheduler.advance(timerinterval(TimerId::Timer4));
        view.sounds.clear();
    }
    // Brings back a saved table at Blue's turn with the given hand.
    void restoreblue(const std::vector<int16_t>& cards) {
        state.hand[0].fill(NO_CARD);
        std::copy(cards.begin(), cards.end(), state.hand[0].begin());
        state.turnhand[0] = state.hand[0];
        state.handsize[0] = static_cast<int16_t>(cards.size());
        state.colour = 0;
        state.restoring = 1;
        referee.Form_Load();
        state.restoring = 0;
        view.sounds.clear();
    }
    // Spins so that the pointer stops at the position, and waits for it.
    void spinto(int position) {
        int length = 16 + (position - referee.spinpos() + 16) % 16;
        length += length < 17 ? 16 : 0;
        random.queue(FixedRandom::forspinlength(length));
        referee.Label7_Click();
        scheduler.advance(length * timerinterval(TimerId::Timer1) + 1);
    }
    void press(int slot) { ScriptedPlayer::pressslot(referee, slot); }
    void presspack() { ScriptedPlayer::presspack(referee); }
    std::vector<int16_t> hand(int colour) const {
        return {state.hand[colour].begin(), state.hand[colour].begin() + state.handsize[colour]};
    }
    // What the table shows, in one line: the turn caption, the message, the
    // buttons that can be pressed and the faces in slot order.
    std::string screen() const {
        std::string s = view.turncaption;
        s += view.messagevisible ? " | message" : "";
        s += view.nextplayerenabled ? " | next" : "";
        s += view.spinenabled ? " | spin" : "";
        s += " |";
        for (int card : view.shownfaces()) {
            s += " " + std::to_string(card);
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

#pragma once

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/OnePlayerReferee.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

// A table with its fakes. The generator returns 0 unless told otherwise, so
// a deal never moves a card: the pack runs 8, 9, ... 47, 0, 1, ... 7, Blue
// holds 8..14 (0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20%), Yellow 15..21 (30%..90%),
// Magenta 22..28, Green 29..35, and the pack's top card is 36 (two of twenty).
template <typename R = Referee>
struct Table {
    explicit Table(int players) {
        state.numPlayers = static_cast<int16_t>(players);
        state.playSound = 1;
    }
    void deal() {
        referee.load();
        scheduler.advance(1200);
        view.sounds.clear();
    }
    // Brings back a saved table at the turn of `colour` with the given hand.
    void restore(int colour, const std::vector<int16_t>& cards) {
        state.hand[colour].fill(NO_CARD);
        std::copy(cards.begin(), cards.end(), state.hand[colour].begin());
        state.turnHand[colour] = state.hand[colour];
        state.handSize[colour] = static_cast<int16_t>(cards.size());
        state.colour = static_cast<int16_t>(colour);
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
        scheduler.advance(length * 50 + 1);
    }
    void press(int slot) { ScriptedPlayer::pressSlot(referee, slot); }
    void pressPack() { ScriptedPlayer::pressPack(referee); }
    std::vector<int16_t> hand(int colour) const {
        return {state.hand[colour].begin(), state.hand[colour].begin() + state.handSize[colour]};
    }
    // What the table shows, in one line: the turn caption ("-" while hidden),
    // the message, the buttons that show and can be pressed, and the faces in slot order.
    std::string screen() const {
        std::string s = view.turnCaptionVisible ? view.turnCaption : "-";
        s.append(view.messageVisible ? " | message" : "");
        s.append(view.nextPlayerVisible && view.nextPlayerEnabled ? " | next" : "");
        s.append(view.spinEnabled ? " | spin" : "");
        s.append(" |");
        for (int card : view.shownFaces()) {
            s.append(" ").append(std::to_string(card));
        }
        return s;
    }
    // Plays one step of a script and returns the table line followed by the
    // sounds heard meanwhile, "wav\key.wav" written "key". Steps: "load",
    // "spin 8" (to position 8, waiting for the stop), "click 3" (slot 3),
    // "pack", "next", "rules", "newgame", "exit", "wait 400" (milliseconds),
    // "spinbutton" (a press with no wait). An accepted Exit ends the line.
    std::string play(const std::string& step) {
        view.sounds.clear();
        view.exits.clear();
        std::istringstream words(step);
        std::string verb;
        int n = 0;
        words >> verb >> n;
        if (verb == "load") {
            referee.load();
        } else if (verb == "spin") {
            spinTo(n);
        } else if (verb == "spinbutton") {
            referee.spinPressed();
        } else if (verb == "click") {
            press(n);
        } else if (verb == "pack") {
            pressPack();
        } else if (verb == "next" || verb == "rules" || verb == "newgame" || verb == "exit") {
            referee.buttonPressed(verb == "next"      ? TableButton::NextPlayer
                                  : verb == "rules"   ? TableButton::Rules
                                  : verb == "newgame" ? TableButton::NewGame
                                                      : TableButton::Exit);
        } else if (verb == "wait") {
            scheduler.advance(n);
        } else {
            throw std::invalid_argument(step);
        }
        std::string line = screen() + " |";
        for (const std::string& sound : view.sounds) {
            const bool named = sound.starts_with("wav\\") && sound.ends_with(".wav");
            line += " " + (named ? sound.substr(4, sound.size() - 8) : sound);
        }
        for (bool saved : view.exits) {
            line += saved ? " | exit, saving" : " | exit";
        }
        return line;
    }

    GameState state;
    RecordingView view;
    VirtualScheduler scheduler;
    FixedRandom random;
    R referee{state, view, scheduler, random};
};

using Script = std::vector<std::pair<std::string, std::string>>;

// Two players from the deal to Blue's second turn, each step with what the
// table shows after it and what was heard. Blue plays its 0.7 on 0.7 and then
// a wrong card; Yellow draws on the blue star; Blue discards a card on the
// red star, and the game is saved then (tests/savegame/mid-game.inf).
inline const Script SHORT_GAME = {
    {"load", "- | spin | | shuffle4"},
    {"spinbutton", "- | spin | |"},  // nothing acts while the cards are dealt
    {"rules", "- | spin | |"},
    {"exit", "- | spin | |"},
    {"wait 1199", "- | spin | |"},
    {"wait 1", "Blue to Play | spin | 8 9 10 11 12 13 14 |"},
    {"spin 8", "Blue to Play | next | 8 9 10 11 12 13 14 | wheel4 key"},
    {"click 0", "Blue to Play | next | 9 10 11 12 13 14 | dealcard"},
    {"rules", "Blue to Play | next | 9 10 11 12 13 14 | click"},
    {"click 1", "TURN OVER | message | 9 10 11 12 13 14 | boink"},
    {"click 2", "TURN OVER | message | 9 10 11 12 13 14 |"},
    {"wait 2999", "TURN OVER | message | 9 10 11 12 13 14 |"},
    {"wait 1", "Yellow to Play | spin | 15 16 17 18 19 20 21 | scrape"},
    {"spin 9", "Yellow to Play | 15 16 17 18 19 20 21 | wheel4 key"},
    {"next", "Yellow to Play | 15 16 17 18 19 20 21 |"},
    {"pack", "Yellow to Play | 15 16 17 18 19 20 21 | stapler"},
    {"pack", "Yellow to Play | 15 16 17 18 19 20 21 |"},
    {"wait 399", "Yellow to Play | 15 16 17 18 19 20 21 |"},
    {"wait 1", "Yellow to Play | 15 16 17 18 19 20 21 36 |"},
    {"wait 3000", "Blue to Play | spin | 9 10 11 12 13 14 | scrape"},
    {"spin 1", "Blue to Play | next | 9 10 11 12 13 14 | wheel4 key"},
    {"click 2", "Blue to Play | 9 10 12 13 14 | dealcard"},
};

// The rest of that game's turn: the red star gave its one card, and the hand-over follows.
inline const Script SHORT_GAME_END = {
    {"click 3", "Blue to Play | 9 10 12 13 14 |"},
    {"next", "Blue to Play | 9 10 12 13 14 |"},
    {"wait 2999", "Blue to Play | 9 10 12 13 14 |"},
    {"wait 1", "Yellow to Play | spin | 15 16 17 18 19 20 21 36 | scrape"},
    {"exit", "Yellow to Play | spin | 15 16 17 18 19 20 21 36 | | exit, saving"},
};

}  // namespace zandoli::testing

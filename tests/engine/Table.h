#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/Transcript.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

// A table with its fakes; one player plays by the one-player rules. The
// generator returns 0 unless told otherwise, so a deal never moves a card:
// the pack runs 8, 9, ... 47, 0, 1, ... 7, Blue holds 8..14 (0.7, 0.8, 0.9,
// 0.25, 0.75, 10%, 20%), Yellow 15..21 (30%..90%), Magenta 22..28, Green
// 29..35, and the pack's top card is 36 (two of twenty).
struct Table {
    explicit Table(int players)
        : referee(refereeFor(players, withPlayers(players), view, scheduler, random)) {}

    // Brings back a saved table at the turn of `colour` with the given hand.
    void restore(int colour, const std::vector<int16_t>& cards) {
        state.hand[colour].fill(NO_CARD);
        std::copy(cards.begin(), cards.end(), state.hand[colour].begin());
        state.turnHand[colour] = state.hand[colour];
        state.handSize[colour] = static_cast<int16_t>(cards.size());
        state.colour = static_cast<int16_t>(colour);
        state.restoring = 1;
        referee->load();
        state.restoring = 0;
    }
    // Spins so that the pointer stops at the position, and waits for it.
    void spinTo(int position) {
        const int length = spinLengthTo(referee->spinPos(), position);
        random.queue(FixedRandom::forSpinLength(length));
        referee->spinPressed();
        scheduler.advance(length * 50 + 1);
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
    // Plays one step and returns the table line followed by the sounds heard
    // meanwhile, "wav\key.wav" written "key", and an accepted Exit. Steps:
    // "load", "deal" (load and wait out the deal), "spin 8" (to position 8,
    // waiting for the stop), "spinbutton" or "spinbutton 20" (a press for a
    // spin of 20 steps, no wait), "click 3" (slot 3), "press 600 2860" (at
    // twips), "pack", "next", "rules", "newgame", "exit", "wait 400"
    // (milliseconds), "restore 2 22 23" (colour 2's turn with cards 22, 23),
    // "spins 22" (the saved count), "random 0.5" (the generator's next
    // number). "dial", "closeup", "colour", "count", "points", "title" and
    // "flags" (the turn's saved flags) give only what they name.
    std::string play(const std::string& step) {
        view.sounds.clear();
        view.exits.clear();
        std::istringstream words(step);
        std::string verb;
        std::vector<int> n;
        words >> verb;
        for (int i = 0; words >> i;) {
            n.push_back(i);
        }
        n.resize(std::max<std::size_t>(n.size(), 2), -1);
        if (verb == "dial" || verb == "closeup") {
            return verb == "dial" ? view.dial : view.closeup;
        } else if (verb == "colour") {
            const Rgb c = view.turnCaptionColour;
            return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b);
        } else if (verb == "count" || verb == "points") {
            return verb == "count" ? view.spinCount : std::to_string(view.turnCaptionSize);
        } else if (verb == "title") {
            return view.titleVisible ? "shown" : "hidden";
        } else if (verb == "flags") {
            return "star " + std::to_string(state.starUsed) + ", drawn " +
                   std::to_string(state.drawn) + ", turn over " + std::to_string(state.turnOver);
        } else if (verb == "load" || verb == "deal") {
            referee->load();
            scheduler.advance(verb == "deal" ? 1200 : 0);
        } else if (verb == "spin") {
            spinTo(n[0]);
        } else if (verb == "spinbutton") {
            if (n[0] >= 0) {
                random.queue(FixedRandom::forSpinLength(n[0]));
            }
            referee->spinPressed();
        } else if (verb == "click") {
            ScriptedPlayer::pressSlot(*referee, n[0]);
        } else if (verb == "press") {
            referee->tablePressed(n[0], n[1]);
        } else if (verb == "pack") {
            ScriptedPlayer::pressPack(*referee);
        } else if (verb == "next" || verb == "rules" || verb == "newgame" || verb == "exit") {
            referee->buttonPressed(verb == "next"      ? TableButton::NextPlayer
                                   : verb == "rules"   ? TableButton::Rules
                                   : verb == "newgame" ? TableButton::NewGame
                                                       : TableButton::Exit);
        } else if (verb == "wait") {
            scheduler.advance(n[0]);
        } else if (verb == "restore") {
            n.erase(std::remove(n.begin(), n.end(), -1), n.end());
            restore(n[0], std::vector<int16_t>(n.begin() + 1, n.end()));
        } else if (verb == "spins") {
            state.spins = static_cast<int16_t>(n[0]);
        } else if (verb == "random") {
            random.queue(std::stod(step.substr(7)));
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
    std::unique_ptr<Referee> referee;

private:
    GameState& withPlayers(int players) {
        state.numPlayers = static_cast<int16_t>(players);
        state.playSound = 1;
        return state;
    }
};

// Plays a transcript kept beside the engine tests, up to the line
// `stopBefore`. A line "table N" sets a fresh table of N players; the "=="
// headings only name their parts. Returns the table played last.
inline std::unique_ptr<Table> playTranscript(const std::string& name,
                                             const std::string& stopBefore = "") {
    std::unique_ptr<Table> t;
    const auto play = [&t](const std::string& step) {
        if (step.starts_with("table ")) {
            t = std::make_unique<Table>(std::stoi(step.substr(6)));
        }
        return step.starts_with("table ") || step.starts_with("==") ? std::string() : t->play(step);
    };
    runTranscript(ZANDOLI_TRANSCRIPTS "/" + name, play, stopBefore);
    return t;
}

}  // namespace zandoli::testing

#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Scheduler.h"
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

    // Gives `colour` the hand `cards`, every one of them still in its turn's hand.
    void hold(int colour, const std::vector<int16_t>& cards) {
        state.hand[colour].fill(NO_CARD);
        std::copy(cards.begin(), cards.end(), state.hand[colour].begin());
        state.turnHand[colour] = state.hand[colour];
        state.handSize[colour] = static_cast<int16_t>(cards.size());
    }
    // Brings back the table as saved, at the turn of `colour`.
    void restore(int colour) {
        state.colour = static_cast<int16_t>(colour);
        referee->load(TableStart::Restore);
    }
    // Spins so that the pointer stops at the position, and waits for it.
    void spinTo(int position) {
        const int length = spinLengthTo(referee->spinPos(), position);
        random.queue(FixedRandom::forSpinLength(length));
        referee->spinPressed();
        scheduler.advance(length * timerInterval(TimerId::SpinStep) + 1);
    }
    // What the table shows, in one line: the turn caption ("-" while hidden),
    // the message, the buttons that show and can be pressed, and the faces in slot order.
    std::string screen() const {
        const TableState& shown = view.state;
        std::string s = shown.captionShown ? captionWords(shown.caption) : "-";
        s.append(shown.messageShown ? " | message" : "");
        s.append(shown.nextPlayerShown && shown.nextPlayerEnabled ? " | next" : "");
        s.append(shown.spinEnabled ? " | spin" : "");
        s.append(" |");
        for (int card : view.shownFaces()) {
            s.append(" ").append(std::to_string(card));
        }
        return s;
    }
    // A moment in the transcripts' words: "stop 8" (the position), "discard 3"
    // and "wrong 3" (the slot), "draw 36" (the card), "up 7" (the slot the
    // drawn card shows in), "won in 12" (a one-player count).
    static std::string words(const TableEvent& e) {
        // In the order of Moment.
        static const std::array<std::string, 16> names = {
            "dealt", "turn",     "spin", "stop ", "discard ", "wrong ",  "draw ", "up ",
            "ended", "handover", "won",  "rules", "results",  "explain", "read",  "| exit"};
        const std::string& name = names.at(static_cast<size_t>(e.moment));
        switch (e.moment) {
            case Moment::SpinStopped:
                return name + std::to_string(e.position);
            case Moment::CardDiscarded:
            case Moment::WrongCard:
            case Moment::CardTurnedUp:
                return name + std::to_string(e.slot);
            case Moment::CardDrawn:
                return name + std::to_string(e.card);
            case Moment::Won:
                return e.spins > 0 ? "won in " + std::to_string(e.spins) : name;
            case Moment::ExitAccepted:
                return e.save ? "| exit, saving" : name;
            case Moment::Explained: {
                // "explain wrong 3 missed 5 6": the card pressed, the cards left.
                std::string said = name + (e.slot >= 0 ? " wrong " + std::to_string(e.slot) : "");
                for (int s = 0; s < SHOWN_SLOTS; ++s) {
                    if (e.hand[s] != NO_CARD) {
                        said += (said.find("missed") == std::string::npos ? " missed " : " ") +
                                std::to_string(s);
                    }
                }
                return said;
            }
            default:
                return name;
        }
    }
    // Plays one step and returns the table line followed by what happened
    // meanwhile, in words(). Steps: "load", "deal" (load and wait out the
    // deal), "reopen" (the game in the state, as a save is taken up), "spin 8" (to position 8,
    // waiting for the stop), "spinbutton" or "spinbutton 20" (a press for a spin of 20 steps, no
    // wait), "click 3" (slot 3), "pack", "next", "rules", "newgame", "exit", "wait 400"
    // (milliseconds), "restore 2 22 23" (colour 2's turn with cards 22, 23),
    // "spins 22" (the saved count), "random 0.5" (the generator's next
    // number), "always 0.5" (its number once none is queued). A save made by
    // hand: "hand 2 22 23" (colour 2 holds cards 22 and 23), "discarded 2 1"
    // (its turn has let go of slot 1), then "saved 2 1 0 1 5 40" brings back
    // colour 2's turn with the flags of the red star, the draw and the turn
    // over and the pack's top card 5 at position 40. "pointer" (its position, or "at rest"),
    // "colour" (the caption's: a player's name, or "black"), "count", "title", "flags" (the turn's
    // saved flags) and "slots 0" (the twelve slots of Blue's turn as a save keeps them) give only
    // what they name.
    std::string play(const std::string& step) {
        view.events.clear();
        std::istringstream in(step);
        std::string verb;
        std::vector<int> n;
        in >> verb;
        for (int i = 0; in >> i;) {
            n.push_back(i);
        }
        n.resize(std::max<std::size_t>(n.size(), 2), -1);
        const TableState& shown = view.state;
        if (verb == "pointer") {
            return shown.pointer ? std::to_string(*shown.pointer) : "at rest";
        } else if (verb == "colour") {
            std::string name = captionWords({CaptionKind::ToPlay, shown.player});
            name = name.substr(0, name.find(' '));
            std::transform(name.begin(), name.end(), name.begin(), ::tolower);
            return shown.captionDark ? "black" : name;
        } else if (verb == "count") {
            return shown.spinCount ? std::to_string(*shown.spinCount) : "";
        } else if (verb == "title") {
            return shown.titleShown ? "shown" : "hidden";
        } else if (verb == "flags") {
            return "star " + std::to_string(state.starUsed) + ", drawn " +
                   std::to_string(state.drawn) + ", turn over " + std::to_string(state.turnOver);
        } else if (verb == "slots") {
            std::string kept;
            for (int s = 0; s < SHOWN_SLOTS; ++s) {
                kept += (s ? " " : "") + std::to_string(state.turnHand[n[0]][s]);
            }
            return kept;
        } else if (verb == "reopen") {
            referee->load(TableStart::Restore);
        } else if (verb == "load" || verb == "deal") {
            referee->load(TableStart::Deal);
            scheduler.advance(verb == "deal" ? timerInterval(TimerId::DealDelay) : 0);
        } else if (verb == "spin") {
            spinTo(n[0]);
        } else if (verb == "spinbutton") {
            if (n[0] >= 0) {
                random.queue(FixedRandom::forSpinLength(n[0]));
            }
            referee->spinPressed();
        } else if (verb == "click") {
            referee->cardClicked(n[0]);
        } else if (verb == "pack") {
            referee->packClicked();
        } else if (verb == "next" || verb == "rules" || verb == "results" || verb == "newgame" ||
                   verb == "exit") {
            referee->buttonPressed(verb == "next"      ? TableButton::NextPlayer
                                   : verb == "rules"   ? TableButton::Rules
                                   : verb == "results" ? TableButton::Results
                                   : verb == "newgame" ? TableButton::NewGame
                                                       : TableButton::Exit);
        } else if (verb == "wait") {
            scheduler.advance(n[0]);
        } else if (verb == "restore" || verb == "hand") {
            n.erase(std::remove(n.begin(), n.end(), -1), n.end());
            hold(n[0], std::vector<int16_t>(n.begin() + 1, n.end()));
            if (verb == "restore") {
                restore(n[0]);
            }
        } else if (verb == "discarded") {
            for (auto slot = n.begin() + 1; slot != n.end() && *slot >= 0; ++slot) {
                state.turnHand[n[0]][*slot] = NO_CARD;
                --state.handSize[n[0]];
            }
        } else if (verb == "saved") {
            n.resize(6);
            state.starUsed = static_cast<int16_t>(n[1]);
            state.drawn = static_cast<int16_t>(n[2]);
            state.turnOver = static_cast<int16_t>(n[3]);
            state.topCard = static_cast<int16_t>(n[4]);
            state.packPos = static_cast<int16_t>(n[5]);
            restore(n[0]);
        } else if (verb == "spins") {
            state.spins = static_cast<int16_t>(n[0]);
        } else if (verb == "random" || verb == "always") {
            const double r = std::stod(step.substr(7));
            verb == "random" ? random.queue(r) : random.setConstant(r);
        } else {
            throw std::invalid_argument(step);
        }
        std::string line = screen() + " |";
        for (const TableEvent& e : view.events) {
            line += " " + words(e);
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

// Plays the transcript at `path` on tables of the kind T, up to the line
// `stopBefore`. A line "table N" sets a fresh table of N players; the "=="
// headings only name their parts. Returns the table played last.
template <class T = Table>
std::unique_ptr<T> playTranscript(const std::string& path, const std::string& stopBefore = "") {
    std::unique_ptr<T> t;
    const auto play = [&t](const std::string& step) {
        if (step.starts_with("table ")) {
            t = std::make_unique<T>(std::stoi(step.substr(6)));
        }
        return step.starts_with("table ") || step.starts_with("==") ? std::string() : t->play(step);
    };
    runTranscript(path, play, stopBefore);
    return t;
}

}  // namespace zandoli::testing

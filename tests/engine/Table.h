#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Scheduler.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/VirtualScheduler.h"
#include "tests/support/Vocabulary.h"

namespace zandoli::testing {

// A table with its fakes; one player plays by the one-player rules. The
// generator returns 0 unless told otherwise, so a deal never moves a card:
// the pack runs 8, 9, ... 47, 0, 1, ... 7, Blue holds 8..14 (0.7, 0.8, 0.9,
// 0.25, 0.75, 10%, 20%), Yellow 15..21 (30%..90%), Magenta 22..28, Green
// 29..35, and the pack's top card is 36 (two of twenty).
struct Table {
    explicit Table(int players)
        : referee(refereeFor(players, withPlayers(players), view, scheduler, random)) {}

    // Brings back the table as saved, at the turn of `colour`.
    void restore(int colour) {
        state.colour = static_cast<int16_t>(colour);
        referee->load(TableStart::Restore, settings);
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
    // Plays one step and gives what it shows (the verbs are listed below).
    std::string play(const std::string& step) { return verbs().play(*this, step).value(); }

    // The steps, each giving what it names, or, when it acts, the table line
    // followed by what happened meanwhile, in words().
    static const Vocabulary<Table>& verbs() {
        static const Vocabulary<Table> verbs(
            "the engine's table (tests/engine/Table.h)",
            {{"load", "load", "the table opened, as a new or a saved game", acts(&Table::load)},
             {"deal", "deal", "the table opened, and the deal waited out", acts(&Table::load)},
             {"reopen", "reopen",
              "the table opened on the game in the state, as a save is taken up",
              acts(&Table::reopen)},
             {"spin", "spin 8", "a spin to position 8, waited out", acts(&Table::spin)},
             {"spinbutton", "spinbutton 20", "Spin pressed (for a spin of 20 steps), no wait",
              acts(&Table::spinButton)},
             {"click", "click 3", "the card in slot 3 clicked", acts(&Table::click)},
             {"pack", "pack", "the pack clicked", acts(&Table::pack)},
             {"next", "next", "Next Player pressed", acts(&Table::press)},
             {"ok", "ok", "OK under the explanation pressed", acts(&Table::press)},
             {"explaining", "explaining", "Explain Mistakes on for the games loaded after it",
              [](Table& table, const Step&) {
                  table.settings.explainMistakes = true;
                  return std::string();
              }},
             {"rules", "rules", "The Rules pressed", acts(&Table::press)},
             {"newgame", "newgame", "New Game pressed", acts(&Table::press)},
             {"exit", "exit", "Exit pressed", acts(&Table::press)},
             {"wait", "wait 400", "400 milliseconds go by", acts(&Table::wait)},
             {"restore", "restore 2 22 23", "colour 2's saved turn brought back, holding 22, 23",
              acts(&Table::hand)},
             {"hand", "hand 2 22 23", "colour 2 holds cards 22 and 23", acts(&Table::hand)},
             {"discarded", "discarded 2 1", "colour 2's turn has let go of slot 1",
              acts(&Table::discarded)},
             {"saved", "saved 2 1 0 1 5 40",
              "colour 2's turn back with star, draw, turn-over flags, top card, pack position",
              acts(&Table::saved)},
             {"spins", "spins 22", "the saved spin count", acts(&Table::spins)},
             {"random", "random 0.5", "the generator's next number", acts(&Table::generator)},
             {"always", "always 0.5", "the generator's number once none is queued",
              acts(&Table::generator)},
             {"pointer", "pointer", "the pointer's position, or \"at rest\"", &Table::pointer},
             {"colour", "colour", "the caption's colour: a player's name, or \"black\"",
              &Table::colour},
             {"count", "count", "the one-player spin count", &Table::count},
             {"title", "title", "whether the title shows", &Table::title},
             {"flags", "flags", "the turn's saved flags", &Table::flags},
             {"slots", "slots 0", "colour 0's twelve slots as a save keeps them",
              &Table::turnSlots}});
        return verbs;
    }

    GameState state;
    // What the games loaded are played with: the standard game unless a
    // step says otherwise.
    GameSettings settings;
    RecordingView view;
    VirtualScheduler scheduler;
    FixedRandom random;
    std::unique_ptr<Referee> referee;

private:
    // An acting step: what the table shows after it, and what happened meanwhile.
    static Verb<Table>::Act acts(void (Table::*act)(const Step&)) {
        return [act](Table& table, const Step& step) {
            table.view.events.clear();
            (table.*act)(step);
            std::string line = table.screen() + " |";
            for (const TableEvent& e : table.view.events) {
                line += " " + words(e);
            }
            return line;
        };
    }
    void load(const Step& step) {
        referee->load(TableStart::Deal, settings);
        scheduler.advance(step.verb() == "deal" ? timerInterval(TimerId::DealDelay) : 0);
    }
    void reopen(const Step&) { referee->load(TableStart::Restore, settings); }
    // Spins so that the pointer stops at the position, and waits for it.
    void spin(const Step& step) {
        const int length = spinLengthTo(referee->spinPos(), step.number(0));
        random.queue(FixedRandom::forSpinLength(length));
        referee->spinPressed();
        scheduler.advance(length * timerInterval(TimerId::SpinStep) + 1);
    }
    void spinButton(const Step& step) {
        if (step.number(0) >= 0) {
            random.queue(FixedRandom::forSpinLength(step.number(0)));
        }
        referee->spinPressed();
    }
    void click(const Step& step) { referee->cardClicked(step.number(0)); }
    void pack(const Step&) { referee->packClicked(); }
    void press(const Step& step) {
        const std::string& verb = step.verb();
        referee->buttonPressed(verb == "next"      ? TableButton::NextPlayer
                               : verb == "ok"      ? TableButton::ExplanationOk
                               : verb == "rules"   ? TableButton::Rules
                               : verb == "newgame" ? TableButton::NewGame
                                                   : TableButton::Exit);
    }
    void wait(const Step& step) { scheduler.advance(step.number(0)); }
    // Gives the colour the cards named, every one of them still in its turn's hand.
    void hand(const Step& step) {
        const int colour = step.number(0);
        state.hand[colour].fill(NO_CARD);
        for (size_t i = 1; i < step.size(); ++i) {
            state.hand[colour][i - 1] = static_cast<int16_t>(step.number(i));
        }
        state.turnHand[colour] = state.hand[colour];
        state.handSize[colour] = static_cast<int16_t>(step.size() - 1);
        if (step.verb() == "restore") {
            restore(step.number(0));
        }
    }
    void discarded(const Step& step) {
        const int colour = step.number(0);
        for (size_t i = 1; i < step.size(); ++i) {
            state.turnHand[colour][step.number(i)] = NO_CARD;
            --state.handSize[colour];
        }
    }
    void saved(const Step& step) {
        state.starUsed = static_cast<int16_t>(step.number(1));
        state.drawn = static_cast<int16_t>(step.number(2));
        state.turnOver = static_cast<int16_t>(step.number(3));
        state.topCard = static_cast<int16_t>(step.number(4));
        state.packPos = static_cast<int16_t>(step.number(5));
        restore(step.number(0));
    }
    void spins(const Step& step) { state.spins = static_cast<int16_t>(step.number(0)); }
    void generator(const Step& step) {
        const double r = std::stod(step.word(0));
        step.verb() == "random" ? random.queue(r) : random.setConstant(r);
    }
    std::string pointer(const Step&) const {
        return view.state.pointer ? std::to_string(*view.state.pointer) : "at rest";
    }
    std::string colour(const Step&) const {
        std::string name = captionWords({CaptionKind::ToPlay, view.state.player});
        name = name.substr(0, name.find(' '));
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        return view.state.captionDark ? "black" : name;
    }
    std::string count(const Step&) const {
        return view.state.spinCount ? std::to_string(*view.state.spinCount) : "";
    }
    std::string title(const Step&) const { return view.state.titleShown ? "shown" : "hidden"; }
    std::string flags(const Step&) const {
        return "star " + std::to_string(state.starUsed) + ", drawn " + std::to_string(state.drawn) +
               ", turn over " + std::to_string(state.turnOver);
    }
    std::string turnSlots(const Step& step) const {
        std::string kept;
        for (int s = 0; s < SHOWN_SLOTS; ++s) {
            kept += (s ? " " : "") + std::to_string(state.turnHand[step.number(0)][s]);
        }
        return kept;
    }

    GameState& withPlayers(int players) {
        state.numPlayers = static_cast<int16_t>(players);
        state.playSound = 1;
        return state;
    }
};

// The player of the engine's transcripts: "table N" sets a fresh table of
// the kind T for N players, and the table's own verbs play on it.
template <class T = Table>
struct Tables {
    static const Vocabulary<Tables>& verbs() {
        static const Vocabulary<Tables> verbs(
            T::verbs().player(),
            {{"table", "table 2", "a fresh table of 2 players (1: the one-player table)",
              [](Tables& tables, const Step& step) {
                  tables.table = std::make_unique<T>(step.number(0));
                  return std::string();
              }}},
            T::verbs(), [](Tables& tables) -> T& {
                if (!tables.table) {
                    throw std::logic_error("no table yet: a part begins with \"table N\"");
                }
                return *tables.table;
            });
        return verbs;
    }

    std::unique_ptr<T> table;
};

}  // namespace zandoli::testing

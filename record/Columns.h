#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <span>

#include "engine/Cards.h"
#include "record/Records.h"

// The record's tables as the code that writes, copies and reads them names
// them: their columns and the words of their text columns, defined here
// once. The released steps of the schema (Schema.cpp) are literal SQL and
// never follow a change here: a test holds the two together.
namespace zandoli::recordColumns {

// A game's row after its id, in the table's order.
inline constexpr std::array<const char*, 13> GAME = {
    "uid",    "started_ms", "players",     "one_player", "restored",   "ended_ms", "ending",
    "winner", "spins",      "lesson_name", "lesson",     "class_game", "practice"};
// A seat's row: its game, then its colour and the name given.
inline constexpr std::array<const char*, 3> SEAT = {"game", "colour", "name"};

// A choice's row (the event table) after its id, in the table's order.
enum class Event {
    Game,
    Turn,
    AtMs,
    Colour,
    What,
    Position,
    SpinValue,
    Star,
    Card,
    CardValue,
    CardForm,
    Mistake,
    ExplainedMs,
    Hand,
};
inline constexpr std::array<const char*, 14> EVENT = {
    "game", "turn", "at_ms",      "colour",    "what",    "position",     "spin_value",
    "star", "card", "card_value", "card_form", "mistake", "explained_ms", "hand"};
static_assert(EVENT.size() == static_cast<size_t>(Event::Hand) + 1);
inline constexpr size_t at(Event column) {
    return static_cast<size_t>(column);
}

// How a game ended, and the star a spin stopped on. What happened, the
// card's form and the mistake are named by Records.h and Mistakes.h.
inline constexpr const char* WON = "won";
inline constexpr const char* SAVED = "saved";
inline constexpr const char* RED = "red";
inline constexpr const char* BLUE = "blue";

using Names = std::span<const char* const>;
// The names as SQL lists them, each after `prefix`: "e.turn, e.at_ms".
QString list(Names names, const QString& prefix = {});
// A placeholder for each name: "?, ?, ?".
QString placeholders(Names names);
// A word as SQL writes it, quoted: "'spin'".
QString quoted(const char* word);
// The words as SQL lists them, each quoted: "'wrong', 'miss'".
QString quoted(Names words);
// Every key of a mistake, in the order of precedence.
QString mistakeKeys();
// Every key of a card's form, in CardKind's order.
QString formKeys();

// The tally's count of a colour's spins in a game.
inline constexpr const char* SPINS = "spins";
// The tally's counts of a colour in a game, in the order readings take
// them: spins, then the cards matched, wrong and missed ("match_whole" ...
// "miss_tile"), each for the forms in CardKind's order.
QStringList tallyCounts();
// The same, as SQL lists them.
QString tallyColumns();
// The count a row of `what` (a match, a wrong card or a miss) adds to.
QString tallyCount(Happening what, CardKind form);
// The statement that makes the tally of every colour of the games whose
// rows meet `where` (an SQL condition on the event table) anew from their
// rows: after rows of those games were written.
QString tallyOf(const QString& where);

}  // namespace zandoli::recordColumns

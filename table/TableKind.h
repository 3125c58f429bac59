#pragma once

#include <QString>
#include <array>

#include "engine/Referee.h"
#include "look/TableLayout.h"

namespace zandoli {

// What sets one table apart from the other, as a card game's list of
// variants does: its screen name, the rules it plays by, and where its
// wrong-card message and Next Player button stand. The one-player table
// counts its spins in a box beside a caption, because its rules count them.
struct TableKind {
    QString screenName;
    // The table a game of one player is played at; the other takes two to four.
    bool forOnePlayer;
    TableRules rules;
    look::TwipRect messageRect;
    look::TwipRect nextPlayerRect;
};

// The table for two to four players, and the one-player table.
extern const TableKind MULTI_PLAYER_TABLE;
extern const TableKind ONE_PLAYER_TABLE;
// Every kind of table, one screen each.
inline const std::array<const TableKind*, 2> TABLE_KINDS{&MULTI_PLAYER_TABLE, &ONE_PLAYER_TABLE};

}  // namespace zandoli

#pragma once

#include <QString>
#include <memory>

#include "engine/GameState.h"
#include "engine/Layout.h"
#include "engine/Random.h"
#include "engine/Referee.h"
#include "engine/Scheduler.h"
#include "engine/TableView.h"

namespace zandoli {

// What sets one table screen apart from the other: its screen name, where
// its wrong-card message and Next Player button stand, the rules it plays
// by, and whether it counts spins.
struct TableKind {
    using RefereeFactory = std::unique_ptr<Referee> (*)(GameState&, TableView&, Scheduler&,
                                                        RandomSource&);

    QString screenName;
    TwipRect messageRect;
    TwipRect nextPlayerRect;
    RefereeFactory makeReferee = nullptr;
    // The one-player table shows its number of spins beside a caption.
    bool spinCount = false;
};

// The table for two to four players, and the one-player table.
extern const TableKind MULTI_PLAYER_TABLE;
extern const TableKind ONE_PLAYER_TABLE;

}  // namespace zandoli

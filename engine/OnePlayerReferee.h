#pragma once

#include "engine/Referee.h"

namespace zandoli {

// The one-player table: the same turn cycle, played against the number of
// spins. Every Spin press starts a new turn of Blue, so there is no Next
// Player button, and neither a red-star discard nor a draw ends the turn.
class OnePlayerReferee : public Referee {
public:
    using Referee::Referee;

protected:
    void countSpin() override;
    void launchSpin() override;
    void startTurn() override;
    void enableAfterSpin() override;
    void lockAfterWrongCard() override;
    void afterRedStarDiscard() override {}
    void buttonsAtHandOver() override;
    void afterDrawShown() override;
    void announceWin() override;
    void resetSpins() override;
    void clearSpinCount() override;
    void showSpinCount() override;
    void showNextPlayerDisabled() override {}
    void hideNextPlayer() override {}
};

}  // namespace zandoli

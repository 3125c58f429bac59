#pragma once

#include "Referee.h"

namespace zandoli {

// The one-player table: the same turn cycle, played against the number of
// spins. Every Spin press starts a new turn of Blue, so there is no Next
// Player button, and neither a red-star discard nor a draw ends the turn.
class OnePlayerReferee : public Referee {
public:
    using Referee::Referee;

protected:
    void countspin() override;
    void launchspin() override;
    void startturn() override;
    void enableafterspin() override;
    void lockafterwrongcard() override;
    void afterredstardiscard() override {}
    void buttonsathandover() override;
    void afterdrawshown() override;
    void announcewin() override;
    void resetspins() override;
    void clearspincount() override;
    void showspincount() override;
    void shownextplayerdisabled() override {}
    void hidenextplayer() override {}
};

}  // namespace zandoli

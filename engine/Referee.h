#pragma once

#include <array>
#include <cstdint>

#include "Cards.h"
#include "Colours.h"
#include "GameState.h"
#include "Random.h"
#include "Scheduler.h"
#include "Spinner.h"
#include "TableView.h"

namespace zandoli {

// The referee of the multi-player table: it owns the table's own variables
// and the enabled state of its timers and buttons, and runs the turn cycle.
// Its public operations are the table's events. It outlives the table's
// window: the screen loads and unloads around it.
// The protected virtual steps are the ones the one-player variant overrides.
class Referee {
public:
    Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random);
    virtual ~Referee() = default;
    Referee(const Referee&) = delete;
    Referee& operator=(const Referee&) = delete;

    // The table's window has been built: fill the spinner table and start a
    // new game, or rebuild a restored one when state.restoring == 1.
    void Form_Load();

    void Label7_Click();           // Spin the Spinner
    void Label3_Click(int index);  // 0 Exit, 1 New Game, 2 Next Player, 3 The Rules
    void judgecard(int slot);      // a click on a slot's caption, second line or picture
    // A press on the table itself, in the table's twips; button and shift are not consulted.
    void Form_MouseDown(int button, int shift, double x, double y);

    // Timer handlers; the scheduler's callback lands here.
    void timerfired(TimerId id);

    // Read-only views of the table's own state, for the screen and for tests.
    int16_t gameover() const { return gameover_; }
    int16_t spinpos() const { return spinpos_; }
    int16_t spinstep() const { return spinstep_; }
    int16_t spinlength() const { return spinlength_; }
    int16_t flash() const { return flash_; }
    const std::array<int16_t, 53>& packorder() const { return packorder_; }
    bool dealing() const;   // the deal delay is running
    bool spinning() const;  // the spin timer is running
    bool spinenabled() const { return spinenabled_; }
    bool nextenabled() const { return nextenabled_; }
    // A slot shows a card: it was filled at the start of the turn or by a
    // draw since, and its card has not been discarded.
    bool slotshowing(int slot) const;
    // The spin result under the pointer.
    double result() const { return spinvalue_[spinpos_]; }

protected:
    // The table's operations, named as the table names them.
    void startgame();
    void restoregame();
    void enddealdelay();
    // The reset every new game starts with, at the table's load and at New Game.
    void resetgame();
    // The dealt or restored hand goes on the table and the first player may spin.
    void startplay();
    void setcards();
    void dealcards();
    void showcards();
    void addcard();
    void nextcolour();
    void spin();
    void spinstepped();
    void drawcard();
    void nextplayer();
    void endgame();
    void flashstep();
    void newgame();

    // Steps shared by the operations.
    void discard(int slot);
    // Folds the discards into the hand, clears the turn's flags and moves on
    // to the next colour in play.
    void passturn();
    void hideslots();
    void setspinenabled(bool enabled);
    void setnextenabled(bool enabled);
    void play(const char* sound);
    bool resultis(double marker) const;
    // The current colour's captions and colours.
    const PlayerLook& player() const;

    // The steps in which the one-player table differs. Each default is the
    // multi-player table's step.
    virtual void countspin() {}
    virtual void launchspin();
    virtual void startturn();
    virtual void enableafterspin();
    virtual void lockafterwrongcard();
    virtual void afterredstardiscard();
    virtual void buttonsathandover();
    virtual void afterdrawshown();
    virtual void announcewin();
    virtual void resetspins() {}
    virtual void clearspincount() {}
    virtual void showspincount() {}
    virtual void shownextplayerdisabled();
    virtual void hidenextplayer();

    GameState& state_;
    TableView& view_;
    Scheduler& scheduler_;
    RandomSource& random_;

    int16_t gameover_ = 0;
    int16_t flash_ = 0;
    int16_t spinpos_ = 0;
    int16_t spinstep_ = 0;
    int16_t spinlength_ = 0;
    std::array<int16_t, 53> packorder_{};
    std::array<double, 17> spinvalue_{};
    bool spinenabled_ = false;
    bool nextenabled_ = false;
    // Slots 0..liveslots_-1 were filled at the start of the turn or by a draw since.
    int liveslots_ = 0;
};

}  // namespace zandoli

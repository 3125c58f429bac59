#include "Referee.h"

#include <algorithm>

#include "Captions.h"
#include "Colours.h"
#include "Layout.h"
#include "Pack.h"
#include "Sounds.h"

namespace zandoli {

Referee::Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random)
    : state_(state), view_(view), scheduler_(scheduler), random_(random) {
    spinvalue_ = SPINVALUES;
    scheduler_.setcallback([this](TimerId id) { timerfired(id); });
}

bool Referee::dealing() const {
    return scheduler_.running(TimerId::Timer4);
}

bool Referee::spinning() const {
    return scheduler_.running(TimerId::Timer1);
}

bool Referee::slotshowing(int slot) const {
    return slot >= 0 && slot < liveslots_ && slot < SHOWN_SLOTS &&
           state_.turnhand[state_.colour][slot] != NO_CARD;
}

const PlayerLook& Referee::player() const {
    return PLAYERS[std::clamp<int>(state_.colour, 0, PLAYING_COLOURS - 1)];
}

bool Referee::resultis(double marker) const {
    return valuesmatch(result(), marker);
}

void Referee::Form_Load() {
    // A table left by Exit took its timers down with its window; the referee
    // outlives the window, so start from none running.
    scheduler_.stopall();
    // The window has just been built with these: the dial at rest, Spin
    // enabled, Next Player hidden and disabled.
    spinenabled_ = true;
    nextenabled_ = false;
    startgame();
}

void Referee::startgame() {
    view_.setdial(DIAL_AT_REST);
    view_.setcloseup(CLOSEUP_AT_REST);
    spinvalue_ = SPINVALUES;
    if (state_.restoring == 1) {
        restoregame();
        return;
    }
    resetgame();
    nextcolour();
    setcards();
    hideslots();
    play(SOUND_SHUFFLE);
    scheduler_.start(TimerId::Timer4);
}

void Referee::enddealdelay() {
    startplay();
    scheduler_.stop(TimerId::Timer4);
}

void Referee::startplay() {
    nextcolour();
    setcards();
    view_.showturncaption(true);
    view_.showpack(true);
    shownextplayerdisabled();
    setspinenabled(true);
}

void Referee::resetgame() {
    gameover_ = 0;
    spinpos_ = 0;
    spinstep_ = 0;
    state_.colour = 0;
    state_.starused = 0;
    state_.drawn = 0;
    state_.turnover = 1;
    resetspins();
    clearhands(state_);
}

void Referee::timerfired(TimerId id) {
    switch (id) {
        case TimerId::Timer1:
            spinstepped();
            break;
        case TimerId::Timer2:
            view_.showmessage(false);
            nextplayer();
            scheduler_.stop(TimerId::Timer2);
            break;
        case TimerId::Timer3:
            flashstep();
            break;
        case TimerId::Timer4:
            enddealdelay();
            break;
        case TimerId::Timer5:
            addcard();
            scheduler_.stop(TimerId::Timer5);
            break;
        case TimerId::Timer6:
            startturn();
            break;
    }
}

void Referee::nextcolour() {
    hideslots();
    const PlayerLook& look = player();
    view_.setturncaption(std::string(look.turncaption));
    view_.setturncaptioncolour(look.playercolour);
    view_.applycolourscheme(state_.colour);
    liveslots_ = std::clamp<int>(state_.handsize[state_.colour], 0, SHOWN_SLOTS);
    for (int s = 0; s < liveslots_; ++s) {
        state_.turnhand[state_.colour][s] = state_.hand[state_.colour][s];
    }
}

void Referee::hideslots() {
    liveslots_ = 0;
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        view_.hideslot(s);
    }
}

void Referee::Label7_Click() {
    // A disabled button cannot be pressed.
    if (spinenabled_) {
        spin();
    }
}

void Referee::spin() {
    if (dealing() || gameover_ == 1) {
        return;
    }
    countspin();
    setspinenabled(false);
    state_.turnover = 0;
    const int extra = static_cast<int>(random_.next() * SPIN_LENGTHS);
    spinlength_ = static_cast<int16_t>(SHORTEST_SPIN + std::clamp(extra, 0, SPIN_LENGTHS - 1));
    launchspin();
}

void Referee::launchspin() {
    play(SOUND_SPIN);
    scheduler_.start(TimerId::Timer1);
}

void Referee::startturn() {
    // Only the one-player table arms the turn-start timer.
    scheduler_.stop(TimerId::Timer6);
}

void Referee::spinstepped() {
    spinpos_ = static_cast<int16_t>((spinpos_ + 1) & (SPIN_POSITIONS - 1));
    view_.setdial(dialpicture(spinpos_));
    view_.setcloseup(closeuppicture(spinpos_));
    ++spinstep_;
    if (spinstep_ >= spinlength_) {
        enableafterspin();
        play(SOUND_SPIN_END);
        scheduler_.stop(TimerId::Timer1);
        spinstep_ = 0;
    }
}

void Referee::enableafterspin() {
    if (!resultis(BLUE_STAR)) {
        setnextenabled(true);
    }
}

void Referee::Form_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        if (slotshowing(s) && strictlyinside(slotframe(s), x, y)) {
            judgecard(s);
        }
    }
    if (strictlyinside(PACK_FRAME, x, y)) {
        drawcard();
    }
}

void Referee::judgecard(int slot) {
    if (state_.turnover == 1 || gameover_ == 1 || dealing() || spinning()) {
        return;
    }
    // A hidden slot cannot be clicked on screen; this keeps a stray call from
    // judging an empty or discarded slot.
    if (!slotshowing(slot)) {
        return;
    }
    const int16_t card = state_.hand[state_.colour][slot];
    if (cardmatches(card, result())) {
        discard(slot);
    } else if (!resultis(RED_STAR) && !resultis(BLUE_STAR)) {
        view_.showmessage(true);
        view_.setturncaption(CAPTION_TURN_OVER);
        state_.turnover = 1;
        lockafterwrongcard();
        scheduler_.start(TimerId::Timer2);
        play(SOUND_WRONG);
    }
    // Not an else: a star result never matches a card, so this is the red
    // star's one free discard.
    if (resultis(RED_STAR) && state_.starused == 0) {
        state_.starused = 1;
        discard(slot);
        afterredstardiscard();
    }
    if (state_.handsize[state_.colour] == 0) {
        endgame();
    }
}

void Referee::discard(int slot) {
    view_.hideslot(slot);
    state_.turnhand[state_.colour][slot] = NO_CARD;
    --state_.handsize[state_.colour];
    play(SOUND_DISCARD);
}

void Referee::lockafterwrongcard() {
    setnextenabled(false);
}

void Referee::afterredstardiscard() {
    setnextenabled(false);
    scheduler_.start(TimerId::Timer2);
}

void Referee::drawcard() {
    // A press on the pack draws only after the current player's own finished
    // spin stopped on the blue star: not while the pointer passes it, and not
    // on the previous player's result at the start of a turn.
    const bool ownresult =
        state_.turnover == 0 && !spinning() && !scheduler_.running(TimerId::Timer6);
    if (!ownresult || !resultis(BLUE_STAR) || state_.drawn != 0) {
        return;
    }
    state_.drawn = 1;
    auto& size = state_.handsize[state_.colour];
    const int slot = std::clamp<int>(size, 0, SHOWN_SLOTS);
    state_.hand[state_.colour][slot] = state_.topcard;
    state_.turnhand[state_.colour][slot] = state_.topcard;
    size = static_cast<int16_t>(std::min(slot + 1, SHOWN_SLOTS));
    state_.packpos = static_cast<int16_t>((state_.packpos + 1) % PACK_SIZE);
    state_.topcard = packorder_[state_.packpos];
    play(SOUND_DRAW);
    scheduler_.start(TimerId::Timer5);
}

void Referee::afterdrawshown() {
    scheduler_.start(TimerId::Timer2);
}

void Referee::nextplayer() {
    if (gameover_ == 1) {
        return;
    }
    passturn();
    state_.turnover = 1;
    view_.setdial(DIAL_AT_REST);
    view_.setcloseup(CLOSEUP_AT_REST);
    nextcolour();
    showcards();
    buttonsathandover();
    play(SOUND_HANDOVER);
}

void Referee::passturn() {
    foldturn(state_, state_.colour);
    state_.starused = 0;
    state_.drawn = 0;
    state_.colour = static_cast<int16_t>((state_.colour + 1) % std::max<int>(state_.numplayers, 1));
}

void Referee::buttonsathandover() {
    setspinenabled(true);
    setnextenabled(false);
}

void Referee::endgame() {
    gameover_ = 1;
    announcewin();
    scheduler_.start(TimerId::Timer3);
    play(SOUND_WIN);
}

void Referee::announcewin() {
    view_.setturncaption(std::string(player().wincaption));
}

void Referee::flashstep() {
    flash_ = static_cast<int16_t>((flash_ + 1) % 2);
    view_.setturncaptioncolour(flash_ == 1 ? BLACK : player().playercolour);
}

void Referee::Label3_Click(int index) {
    if (dealing()) {
        return;
    }
    switch (index) {
        case 0:
            view_.exittable(gameover_ == 0);
            break;
        case 1:
            newgame();
            break;
        case 2:
            if (nextenabled_) {
                nextplayer();
            }
            break;
        case 3:
            view_.showrules();
            play(SOUND_CLICK);
            break;
        default:
            break;
    }
}

void Referee::newgame() {
    scheduler_.stop(TimerId::Timer3);
    // New Game stops a running spin, draw delay and hand-over delay, so nothing
    // of the old game acts on the new one.
    scheduler_.stop(TimerId::Timer1);
    scheduler_.stop(TimerId::Timer6);
    scheduler_.stop(TimerId::Timer5);
    scheduler_.stop(TimerId::Timer2);
    resetgame();
    clearspincount();
    view_.setdial(DIAL_AT_REST);
    view_.setcloseup(CLOSEUP_AT_REST);
    view_.showmessage(false);
    view_.showturncaption(false);
    view_.showpack(false);
    hidenextplayer();
    hideslots();
    play(SOUND_SHUFFLE);
    scheduler_.start(TimerId::Timer4);
}

void Referee::shownextplayerdisabled() {
    view_.shownextplayer(true);
    setnextenabled(false);
}

void Referee::hidenextplayer() {
    view_.shownextplayer(false);
}

void Referee::setspinenabled(bool enabled) {
    spinenabled_ = enabled;
    view_.enablespin(enabled);
}

void Referee::setnextenabled(bool enabled) {
    nextenabled_ = enabled;
    view_.enablenextplayer(enabled);
}

void Referee::play(const char* sound) {
    if (state_.playsound == 1) {
        view_.playwav(sound);
    }
}

}  // namespace zandoli

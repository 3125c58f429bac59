#include "engine/Referee.h"

#include <algorithm>
#include <utility>

namespace zandoli {

class Referee::Step {
public:
    explicit Step(Referee& referee) : referee_(referee) { ++referee_.depth_; }
    ~Step() {
        if (--referee_.depth_ == 0) {
            referee_.publish();
        }
    }
    // Never copied; the reference member already rules out assignment.
    Step(const Step&) = delete;

private:
    Referee& referee_;
};

Referee::Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random,
                 const TableRules& rules)
    : state_(state), view_(view), scheduler_(scheduler), random_(random), rules_(rules) {
    scheduler_.setCallback([this](TimerId id) { timerFired(id); });
}

bool Referee::slotShowing(int slot) const {
    return slot >= 0 && slot < liveSlots_ && state_.turnHand[state_.colour][slot] != NO_CARD;
}

bool Referee::resultIs(double marker) const {
    return valuesMatch(result(), marker);
}

bool Referee::packTakeable() const {
    return phase_ == Phase::Playing && resultIs(BLUE_STAR);
}

std::array<bool, SHOWN_SLOTS> Referee::slotsOfResult() const {
    std::array<bool, SHOWN_SLOTS> of{};
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        of[s] = slotShowing(s) && cardMatches(state_.turnHand[state_.colour][s], result());
    }
    return of;
}

bool Referee::missesCards() const {
    const auto of = slotsOfResult();
    return std::find(of.begin(), of.end(), true) != of.end();
}

void Referee::explain(int slot) {
    enter(Phase::Explaining);
    explanation_ = Explanation{.position = spinPos_,
                               .wrongCard = slot < 0 ? NO_CARD : state_.hand[state_.colour][slot],
                               .wrongSlot = slot,
                               .missed = slotsOfResult()};
    TableEvent shown{.moment = Moment::Explained,
                     .player = state_.colour,
                     .slot = slot,
                     .card = explanation_->wrongCard,
                     .position = spinPos_};
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        shown.hand[s] = explanation_->missed[s] ? state_.turnHand[state_.colour][s] : NO_CARD;
    }
    tell(shown);
}

void Referee::explanationRead() {
    explanation_.reset();
    tell({.moment = Moment::ExplanationRead, .player = state_.colour, .position = spinPos_});
    if (std::exchange(spinAfterExplanation_, false)) {
        enter(Phase::Playing);
        spin();
    } else {
        handToNextPlayer();
    }
}

void Referee::enter(Phase phase) {
    phase_ = phase;
}

void Referee::tell(TableEvent event) {
    events_.push_back(event);
}

void Referee::publish() {
    view_.show(tableState());
    for (const TableEvent& event : std::exchange(events_, {})) {
        view_.happened(event);
    }
}

bool Referee::spinLit() const {
    switch (phase_) {
        case Phase::Dealing:
            return spinLitThroughDeal_;
        case Phase::AwaitingSpin:
            return true;
        case Phase::Playing:
            // On the blue star the turn goes on only by drawing from the pack.
            return rules_.turnPerSpin && !resultIs(BLUE_STAR);
        case Phase::Won:
            // Only a spin that stopped on a value can win, and it lit Spin.
            return rules_.turnPerSpin;
        case Phase::StartingTurn:
        case Phase::Spinning:
        case Phase::Drawing:
        case Phase::HandingOver:
        case Phase::Explaining:
            break;
    }
    return false;
}

bool Referee::nextLit() const {
    if (!rules_.handOverButton) {
        return false;
    }
    switch (phase_) {
        case Phase::Playing:
            return !resultIs(BLUE_STAR);
        case Phase::Explaining:
            return true;
        case Phase::Won:
            // The matching card that wins leaves Next Player lit; a red star's
            // discard had already handed over.
            return !resultIs(RED_STAR);
        default:
            return false;
    }
}

TableState Referee::tableState() const {
    TableState shown;
    shown.phase = phase_;
    shown.player = laidOutFor_;
    shown.caption = caption_;
    shown.captionShown = phase_ != Phase::Dealing;
    shown.captionDark = captionDark_;
    shown.titleShown = phase_ != Phase::Won;
    shown.messageShown = (phase_ == Phase::HandingOver || phase_ == Phase::Explaining) &&
                         caption_.kind == CaptionKind::TurnOver;
    shown.packShown = phase_ != Phase::Dealing;
    shown.nextPlayerShown = rules_.handOverButton && phase_ != Phase::Dealing;
    shown.spinEnabled = spinLit();
    shown.nextPlayerEnabled = nextLit();
    shown.packTakeable = packTakeable();
    if (!dialAtRest_) {
        shown.pointer = spinPos_;
    }
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        const int16_t card = state_.turnHand[state_.colour][s];
        shown.faces[s] = slotShowing(s) && isCard(card) ? card : NO_CARD;
    }
    shown.spinCount = spinCount_;
    shown.explanation = explanation_;
    shown.spinner = settings_.deck.spinner;
    return shown;
}

// Every timer's handler, and the phase each one moves the turn on to.
void Referee::timerFired(TimerId id) {
    Step step(*this);
    switch (id) {
        case TimerId::DealDelay:  // Dealing -> AwaitingSpin
            scheduler_.stop(TimerId::DealDelay);
            shuffleAndDeal();
            startPlay();
            break;
        case TimerId::SpinStep:  // Spinning -> Playing at the last step
            stepPointer();
            break;
        case TimerId::DrawDelay:  // Drawing -> HandingOver, or AwaitingSpin
            scheduler_.stop(TimerId::DrawDelay);
            showDrawnCard();
            break;
        case TimerId::HandOver:  // HandingOver -> AwaitingSpin
            scheduler_.stop(TimerId::HandOver);
            // A red star's last card wins before its hand-over is due; the
            // winner keeps the table.
            if (phase_ == Phase::HandingOver) {
                handToNextPlayer();
            }
            break;
        case TimerId::WinFlash:  // Won, until New Game or Exit
            flash_ = !flash_;
            captionDark_ = flash_;
            break;
        case TimerId::TurnStart:  // one-player: StartingTurn -> Spinning
            scheduler_.stop(TimerId::TurnStart);
            if (phase_ == Phase::StartingTurn) {
                beginTurnOfSpin();
            }
            break;
    }
}

void Referee::load(TableStart start, const GameSettings& settings) {
    Step step(*this);
    settings_ = settings;
    explanation_.reset();
    spinAfterExplanation_ = false;
    // A table left by Exit took its timers down with its window; the referee
    // outlives the window, so start from none running.
    scheduler_.stopAll();
    // The window has just been built with Spin lit and no count shown.
    spinLitThroughDeal_ = true;
    spinCount_.reset();
    dialAtRest_ = true;
    if (start == TableStart::Restore) {
        restoreGame();
        return;
    }
    resetGame();
    // The cards are dealt once while the shuffle is heard and again when
    // they show; only the second deal is played.
    shuffleAndDeal();
    layOutTurn();
    beginDeal();
}

void Referee::beginDeal() {
    // No card shows while the cards are dealt.
    liveSlots_ = 0;
    enter(Phase::Dealing);
    tell({.moment = Moment::Dealt});
    scheduler_.start(TimerId::DealDelay);
}

void Referee::startPlay() {
    layOutTurn();
    enter(Phase::AwaitingSpin);
    tell({.moment = Moment::TurnBegan, .player = state_.colour});
}

void Referee::resetGame() {
    spinPos_ = 0;
    state_.colour = 0;
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.turnOver = 1;
    if (rules_.countsSpins) {
        state_.spins = 0;
    }
    clearHands(state_);
}

void Referee::shuffleAndDeal() {
    shufflePack(packOrder_, random_, settings_.deck);
    dealHands(state_, packOrder_);
}

void Referee::layOutTurn() {
    laidOutFor_ = state_.colour;
    caption_ = {CaptionKind::ToPlay, state_.colour};
    captionDark_ = false;
    liveSlots_ = std::clamp<int>(state_.handSize[state_.colour], 0, SHOWN_SLOTS);
    for (int s = 0; s < liveSlots_; ++s) {
        state_.turnHand[state_.colour][s] = state_.hand[state_.colour][s];
    }
}

void Referee::spinPressed() {
    Step step(*this);
    // Spin stays lit through a deal and after a one-player win, but only a
    // turn waiting for its spin, or a one-player turn played out, spins.
    if (!spinLit() || (phase_ != Phase::AwaitingSpin && phase_ != Phase::Playing)) {
        return;
    }
    // The turn a one-player Spin ends is explained first when it left cards
    // of the value in the hand.
    if (phase_ == Phase::Playing && settings_.explainMistakes && missesCards()) {
        spinAfterExplanation_ = true;
        explain(-1);
        return;
    }
    spin();
}

void Referee::spin() {
    // At 32767 the count stops rising; the spin itself is still allowed.
    if (rules_.countsSpins && state_.spins < MAX_SPINS) {
        ++state_.spins;
    }
    state_.turnOver = 0;
    const int extra = static_cast<int>(random_.next() * SPIN_LENGTHS);
    spinLength_ = static_cast<int16_t>(SHORTEST_SPIN + std::clamp(extra, 0, SPIN_LENGTHS - 1));
    if (rules_.turnPerSpin) {
        // The new turn begins just after this press has been handled.
        enter(Phase::StartingTurn);
        scheduler_.start(TimerId::TurnStart);
    } else {
        startSpinning();
    }
}

void Referee::beginTurnOfSpin() {
    passTurn();
    layOutTurn();
    tell({.moment = Moment::TurnBegan, .player = state_.colour});
    startSpinning();
}

void Referee::startSpinning() {
    spinStep_ = 0;
    enter(Phase::Spinning);
    tell({.moment = Moment::SpinStarted});
    scheduler_.start(TimerId::SpinStep);
}

void Referee::stepPointer() {
    spinPos_ = static_cast<int16_t>((spinPos_ + 1) % SPIN_POSITIONS);
    dialAtRest_ = false;
    ++spinStep_;
    if (spinStep_ < spinLength_) {
        return;
    }
    scheduler_.stop(TimerId::SpinStep);
    enter(Phase::Playing);
    if (rules_.countsSpins) {
        spinCount_ = state_.spins;
    }
    tell({.moment = Moment::SpinStopped, .player = state_.colour, .position = spinPos_});
}

void Referee::cardClicked(int slot) {
    Step step(*this);
    // Cards are judged only against the current player's own stopped spin; a
    // stray call for an empty or discarded slot judges nothing.
    if (phase_ != Phase::Playing || !slotShowing(slot)) {
        return;
    }
    const int16_t card = state_.hand[state_.colour][slot];
    if (cardMatches(card, result())) {
        discard(slot);
    } else if (!resultIs(RED_STAR) && !resultIs(BLUE_STAR)) {
        caption_ = {CaptionKind::TurnOver, state_.colour};
        state_.turnOver = 1;
        if (!settings_.explainMistakes) {
            startHandOver();
        }
        tell({.moment = Moment::WrongCard,
              .player = state_.colour,
              .slot = slot,
              .card = card,
              .position = spinPos_});
        if (settings_.explainMistakes) {
            explain(slot);
        }
    }
    // Not an else: a star result never matches a card, so this is the red
    // star's one free discard.
    if (resultIs(RED_STAR) && state_.starUsed == 0) {
        state_.starUsed = 1;
        discard(slot);
        if (!rules_.turnPerSpin) {
            startHandOver();
        }
    }
    if (state_.handSize[state_.colour] == 0) {
        win();
    }
}

void Referee::discard(int slot) {
    const int16_t card = state_.turnHand[state_.colour][slot];
    state_.turnHand[state_.colour][slot] = NO_CARD;
    --state_.handSize[state_.colour];
    tell({.moment = Moment::CardDiscarded,
          .player = state_.colour,
          .slot = slot,
          .card = card,
          .position = spinPos_});
}

void Referee::startHandOver() {
    enter(Phase::HandingOver);
    scheduler_.start(TimerId::HandOver);
}

void Referee::packClicked() {
    Step step(*this);
    drawCard();
}

void Referee::drawCard() {
    // Only the current player's own stopped spin on the blue star draws: not
    // while the pointer passes it, not on the previous player's result at the
    // start of a turn, and once a turn, since the draw moves the turn on.
    if (!packTakeable()) {
        return;
    }
    state_.drawn = 1;
    auto& size = state_.handSize[state_.colour];
    const int slot = std::clamp<int>(size, 0, SHOWN_SLOTS);
    const int16_t card = state_.topCard;
    state_.hand[state_.colour][slot] = card;
    state_.turnHand[state_.colour][slot] = card;
    size = static_cast<int16_t>(std::min(slot + 1, SHOWN_SLOTS));
    state_.packPos = static_cast<int16_t>((state_.packPos + 1) % PACK_SIZE);
    state_.topCard = packOrder_[state_.packPos];
    enter(Phase::Drawing);
    tell(
        {.moment = Moment::CardDrawn, .player = state_.colour, .card = card, .position = spinPos_});
    scheduler_.start(TimerId::DrawDelay);
}

void Referee::showDrawnCard() {
    // The drawn card went into the last slot of a non-empty hand, and a hand
    // never counts more than the twelve slots that show.
    const int slot = std::max(state_.handSize[state_.colour] - 1, 0);
    state_.newSlot = static_cast<int16_t>(slot);
    liveSlots_ = std::max(liveSlots_, slot + 1);
    if (rules_.turnPerSpin) {
        // The turn goes on, but there is nothing left in it but to spin again.
        enter(Phase::AwaitingSpin);
    } else {
        startHandOver();
    }
    tell({.moment = Moment::CardTurnedUp,
          .player = state_.colour,
          .slot = slot,
          .card = state_.hand[state_.colour][slot]});
}

void Referee::handToNextPlayer() {
    passTurn();
    state_.turnOver = 1;
    dialAtRest_ = true;
    layOutTurn();
    enter(Phase::AwaitingSpin);
    tell({.moment = Moment::HandedOver, .player = state_.colour});
    tell({.moment = Moment::TurnBegan, .player = state_.colour});
}

void Referee::passTurn() {
    TableEvent ended{.moment = Moment::TurnEnded,
                     .player = state_.colour,
                     .position = dialAtRest_ ? -1 : spinPos_};
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        ended.hand[s] = slotShowing(s) ? state_.turnHand[state_.colour][s] : NO_CARD;
    }
    tell(ended);
    foldTurn(state_, state_.colour);
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.colour = static_cast<int16_t>((state_.colour + 1) % std::max<int>(state_.numPlayers, 1));
}

void Referee::win() {
    enter(Phase::Won);
    caption_ = rules_.countsSpins ? Caption{CaptionKind::WonInSpins, state_.colour, state_.spins}
                                  : Caption{CaptionKind::Won, state_.colour};
    scheduler_.start(TimerId::WinFlash);
    tell({.moment = Moment::Won,
          .player = state_.colour,
          .spins = rules_.countsSpins ? state_.spins : 0});
}

void Referee::buttonPressed(TableButton button) {
    Step step(*this);
    if (phase_ == Phase::Dealing) {
        return;
    }
    switch (button) {
        case TableButton::Exit:
            tell({.moment = Moment::ExitAccepted, .save = phase_ != Phase::Won});
            break;
        case TableButton::NewGame:
            newGame();
            break;
        case TableButton::NextPlayer:
            // Next Player stays lit when the click that lit it wins.
            if (phase_ == Phase::Playing && nextLit()) {
                if (settings_.explainMistakes && missesCards()) {
                    explain(-1);
                } else {
                    handToNextPlayer();
                }
            } else if (phase_ == Phase::Explaining) {
                explanationRead();
            }
            break;
        case TableButton::ExplanationOk:
            if (phase_ == Phase::Explaining) {
                explanationRead();
            }
            break;
        case TableButton::Rules:
            tell({.moment = Moment::RulesShown});
            break;
        case TableButton::Results:
            // The button shows only once the game is won.
            if (phase_ == Phase::Won) {
                tell({.moment = Moment::ResultsShown});
            }
            break;
    }
}

void Referee::newGamePressed(const GameSettings& settings) {
    Step step(*this);
    if (phase_ != Phase::Dealing) {
        settings_ = settings;
        newGame();
    }
}

void Referee::newGame() {
    // Every timer of the old game stops (a spin, a turn about to start, a
    // draw or hand-over delay, the win flash), so nothing of it acts on the
    // new one.
    scheduler_.stopAll();
    spinLitThroughDeal_ = spinLit();
    explanation_.reset();
    spinAfterExplanation_ = false;
    resetGame();
    spinCount_.reset();
    dialAtRest_ = true;
    beginDeal();
}

void Referee::restoreGame() {
    // A restored game starts with the spinner at rest on position 0 and no
    // winner: the save keeps neither the pointer nor the flag.
    flash_ = false;
    spinPos_ = 0;
    // The save keeps only the top of the pack; every card goes back in once,
    // the saved top card where it was, so the next draw gives it and later
    // draws stay valid.
    rebuildPack(packOrder_, state_.topCard, state_.packPos, random_, settings_.deck);
    // The save keeps the turn's flags but not the spin they were played
    // against, so whatever turnOver, starUsed and drawn say, a turn saved
    // half-way comes back as the start of the same player's turn, waiting for
    // its spin: the discards already made stay discarded and no click is
    // judged against a spin that is gone.
    foldTurn(state_, state_.colour);
    state_.starUsed = 0;
    state_.drawn = 0;
    state_.turnOver = 1;
    if (rules_.countsSpins) {
        spinCount_ = state_.spins;
    }
    startPlay();
}

}  // namespace zandoli

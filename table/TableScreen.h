#pragma once

#include <QPointF>
#include <functional>
#include <memory>
#include <utility>

#include "engine/GameState.h"
#include "engine/Random.h"
#include "engine/Referee.h"
#include "engine/Scheduler.h"
#include "engine/TeeView.h"
#include "platform/Screen.h"
#include "record/RecordStore.h"
#include "record/Recorder.h"
#include "table/QtScheduler.h"
#include "table/QtTableView.h"
#include "table/TableBuilder.h"
#include "table/TableKind.h"
#include "table/TableWidgets.h"

namespace zandoli {

// A table screen of either kind (TableKind.h): the hand in twelve card
// slots, the pack card, the spinner, the turn caption and the four buttons.
// Every press takes one way: a control to this screen, which tells the
// referee what was pressed; the referee to the view, which shows and speaks
// what it describes, and to the record; and the moments that leave the
// table (Exit, The Rules, See the Results) back to this screen, which asks
// the registry for them. The referee, the timers and the generator live as
// long as the screen, across loads of its window.
class TableScreen : public Screen, private TableView {
    Q_OBJECT

public:
    TableScreen(const TableKind& kind, GameState& state);
    // The same table on a caller's clock and generator, so that time can be
    // driven from outside (the widget tests advance it virtually).
    TableScreen(const TableKind& kind, GameState& state, Scheduler& scheduler,
                RandomSource& random);
    ~TableScreen() override;

    // Opens the table's window and begins its game: a new deal, or the game
    // already read into the state, played with `settings`.
    void open(TableStart start, const GameSettings& settings = {});

    const Referee& referee() const { return *referee_; }
    // What the game on the table is played with.
    const GameSettings& settings() const { return settings_; }
    const TableKind& kind() const { return kind_; }
    // How New Game deals a game played for a pupil: the settings of the next
    // deal from those of this one. Unset, New Game deals the same deck again.
    void setPupilDealer(std::function<GameSettings(const GameSettings&)> dealer) {
        pupilDealer_ = std::move(dealer);
    }
    // A game is on the table that Exit would save: dealt, and not yet won.
    bool gameRunning() const;

signals:
    // Exit was accepted: the registry saves when asked to and leaves the table.
    void exitRequested(bool save);
    // The window was closed another way than Exit (from its title bar, by
    // the window manager); the registry leaves the table as Exit would.
    void windowClosed();
    // The Rules was accepted: the registry lays the rules over the table.
    void rulesRequested();
    // See the Results was accepted, after a win.
    void resultsRequested();

protected:
    QWidget* createWindow() override;
    void onLoad() override;
    void onRebuilt() override;
    void onUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What the referee shows through; tests reach it to show things directly.
    QtTableView& view() { return view_; }

private:
    // The referee's moments that ask for another screen; the table itself is
    // the view's to show.
    void show(const TableState&) override {}
    void happened(const TableEvent& event) override;

    // A class code's game has just been dealt: it is shown, and the next deal
    // will be the next game.
    void dealtClassGame();
    // The notice line names the lesson when it is not the standard one, and
    // the class code's game.
    void showLesson();
    // What the record keeps of the game beginning: its lesson and class
    // game.
    void describeGame(GameStart& start) const;

    // A null scheduler or generator means the table's own (Qt timers,
    // time-seeded).
    TableScreen(const TableKind& kind, GameState& state, Scheduler* scheduler,
                RandomSource* random);

    // Hands every click on the window's controls, and every press of them
    // by keyboard or screen reader, to the referee.
    void connectControls();
    // New Game, from its button or its key.
    void newGamePressed();
    // The table's shortcut keys (see TableKeys.h).
    void bindKeys();
    // An arrow key on a card moves the focus to the nearest card showing
    // that way, as the hand lies on the table; false for any other key.
    bool moveAmongCards(QWidget* from, int key);
    // A press on the table itself: on a card's frame where no part of the
    // card covers it, or on the pack, strictly inside the frame's edges.
    void tablePressed(QPointF pixels);
    // Decodes the close-ups of every spin once, so a spin step only swaps
    // them; the dials, larger, are decoded one step ahead (showPointer).
    static void warmPictures();

    const TableKind& kind_;
    TableBuilder builder_;
    TableWidgets widgets_;
    QtTableView view_;
    // The learning record: the referee tells the view and the recorder alike,
    // and the user's record file is opened at the first row, not before.
    RecordStore record_;
    Recorder recorder_;
    TeeView tee_;
    std::unique_ptr<QtScheduler> ownScheduler_;
    std::unique_ptr<TimeSeededRandom> ownRandom_;
    Scheduler& scheduler_;
    RandomSource& random_;
    std::unique_ptr<Referee> referee_;
    TableStart start_ = TableStart::Deal;
    GameSettings settings_;
    std::function<GameSettings(const GameSettings&)> pupilDealer_;
    int classGame_ = 0;
};

}  // namespace zandoli

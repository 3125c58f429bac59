#pragma once

#include <QColor>
#include <QPointF>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "engine/GameState.h"
#include "engine/Layout.h"
#include "engine/Random.h"
#include "engine/Referee.h"
#include "engine/Scheduler.h"
#include "engine/TableView.h"
#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"
#include "platform/Screen.h"
#include "platform/ShapeWidget.h"
#include "table/CardSlot.h"
#include "table/QtScheduler.h"
#include "table/TableLook.h"
#include "table/TableWindow.h"

namespace zandoli {

// The multi-player table `table`: the hand in twelve card slots, the pack
// card, the spinner, the turn caption and the four buttons. The referee plays
// the game; this screen shows what it asks for and hands it the clicks. The
// referee, the timers and the generator live as long as the screen, across
// loads of its window.
class TableScreen : public Screen, public TableView {
    Q_OBJECT

public:
    explicit TableScreen(GameState& state);
    // The same table on a caller's clock and generator, so that time can be
    // driven from outside (the widget tests advance it virtually).
    TableScreen(GameState& state, Scheduler& scheduler, RandomSource& random);
    ~TableScreen() override;

    const Referee& referee() const { return *referee_; }
    // A game is on the table that Exit would save: dealt, and not yet won.
    bool gameRunning() const;

    // Where the two tables' designs part: the incorrect-choice message's name
    // and place, and the Next Player button's place.
    struct Design {
        QString messageName;
        TwipRect messageRect;
        TwipRect nextPlayerRect;
    };

    void hideSlot(int slot) override;
    void drawFace(int slot, int card) override;
    void applyColourScheme(int colour) override;
    void setTurnCaption(const std::string& text) override;
    void setTurnCaptionColour(Rgb colour) override;
    void setTurnCaptionSize(int points) override;
    void showTurnCaption(bool visible) override;
    void showMessage(bool visible) override;
    void showPack(bool visible) override;
    void showNextPlayer(bool visible) override;
    void enableNextPlayer(bool enabled) override;
    void enableSpin(bool enabled) override;
    void setSpinCount(const std::string& text) override;
    void setDial(const std::string& picture) override;
    void setCloseup(const std::string& picture) override;
    void playWav(const std::string& name) override;
    void exitTable(bool save) override;
    void showRules() override;

signals:
    // Exit was pressed: the registry saves when asked to and leaves the table.
    void exitRequested(bool save);
    // The window was closed another way than Exit (from its title bar, by
    // the window manager); the registry leaves the table as Exit would.
    void windowClosed();
    // The Rules was pressed: the registry lays the rules over the table.
    void rulesRequested();

protected:
    using RefereeFactory =
        std::function<std::unique_ptr<Referee>(GameState&, TableView&, Scheduler&, RandomSource&)>;

    // A table with its own screen name, design and referee. A null scheduler
    // or generator means the table's own (Qt timers, time-seeded).
    TableScreen(const QString& name, GameState& state, Scheduler* scheduler, RandomSource* random,
                const RefereeFactory& factory, Design design);

    QWidget* createWindow() override;
    void onLoad() override;
    void onUnload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The table's own handlers; each passes its event to the referee.
    void cardClicked(int slot);
    void tablePressed(QPointF pixels);
    void spinPressed();
    void buttonPressed(TableButton button);

    // For a table that adds controls of its own in the player colour.
    const QColor& playerColour() const { return playerColour_; }
    QWidget* tableWindow() const { return window_; }

private:
    void buildControls(TableWindow* window);
    void buildSlots(TableWindow* window);
    ButtonLabel* buildButton(TableWindow* window, const QString& name, const QString& text,
                             const TwipRect& place, double points);
    // Decodes every spin picture once, so a spin step only swaps pictures.
    static void warmPictures();
    // What a screen reader reads for the controls that say nothing by
    // themselves: the dial, the pack card, what each button does.
    void nameControls();
    // Names the close-up by the spin's result once the spin has stopped:
    // nothing at rest, "spinning" while it turns.
    void nameCloseup();
    bool closeupNaming_ = false;

    GameState& state_;
    std::unique_ptr<QtScheduler> ownScheduler_;
    std::unique_ptr<TimeSeededRandom> ownRandom_;
    Scheduler& scheduler_;
    RandomSource& random_;
    std::unique_ptr<Referee> referee_;
    Design design_;

    QColor playerColour_;
    QPointer<TableWindow> window_;
    QPointer<ClickLabel> title_;
    QPointer<ClickLabel> caption_;
    QPointer<ClickLabel> message_;
    QPointer<PictureBox> dial_;
    QPointer<PictureBox> closeup_;
    QPointer<ButtonLabel> spin_;
    std::array<QPointer<ButtonLabel>, look::BUTTON_COUNT> buttons_;
    QPointer<ShapeWidget> pack_;
    QPointer<ClickLabel> notice_;
    std::vector<CardSlot> slots_;
};

}  // namespace zandoli

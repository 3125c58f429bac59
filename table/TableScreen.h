#pragma once

#include <QColor>
#include <QPointF>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "ButtonLabel.h"
#include "CardSlot.h"
#include "ClickLabel.h"
#include "GameState.h"
#include "Layout.h"
#include "PictureBox.h"
#include "QtScheduler.h"
#include "Random.h"
#include "Referee.h"
#include "Scheduler.h"
#include "Screen.h"
#include "ShapeWidget.h"
#include "TableLook.h"
#include "TableView.h"
#include "TableWindow.h"

namespace zandoli {

// The multi-player table `tirra1`: the hand in twelve card slots, the pack
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
    bool gamerunning() const;

    // Where the two tables' designs part: the incorrect-choice message's name
    // and place, and the Next Player button's place.
    struct Design {
        QString messagename;
        TwipRect messagerect;
        TwipRect nextplayerrect;
    };

    void hideslot(int slot) override;
    void drawface(int slot, int card) override;
    void applycolourscheme(int colour) override;
    void setturncaption(const std::string& text) override;
    void setturncaptioncolour(Rgb colour) override;
    void setturncaptionsize(int points) override;
    void showturncaption(bool visible) override;
    void showmessage(bool visible) override;
    void showpack(bool visible) override;
    void shownextplayer(bool visible) override;
    void enablenextplayer(bool enabled) override;
    void enablespin(bool enabled) override;
    void setspincount(const std::string& text) override;
    void setdial(const std::string& picture) override;
    void setcloseup(const std::string& picture) override;
    void playwav(const std::string& name) override;
    void exittable(bool save) override;
    void showrules() override;

signals:
    // Exit was pressed: the shell saves when asked to and leaves the table.
    void exitrequested(bool save);
    // The window was closed another way than Exit (from its title bar, by
    // the window manager); the shell leaves the table as Exit would.
    void windowclosed();
    // The Rules was pressed: the shell lays the rules over the table.
    void rulesrequested();

protected:
    using RefereeFactory =
        std::function<std::unique_ptr<Referee>(GameState&, TableView&, Scheduler&, RandomSource&)>;

    // A table with its own screen name, design and referee. A null scheduler
    // or generator means the table's own (Qt timers, time-seeded).
    TableScreen(const QString& name, GameState& state, Scheduler* scheduler, RandomSource* random,
                const RefereeFactory& factory, Design design);

    QWidget* createwindow() override;
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The table's own handlers; each passes its event to the referee.
    void Label4_Click(int slot);
    void Label5_Click(int slot);
    void Image3_Click(int slot);
    void Form_MouseDown(int button, int shift, QPointF pixels);
    void Label7_Click();
    void Label3_Click(int index);

    // For a table that adds controls of its own in the player colour.
    const QColor& playercolour() const { return playercolour_; }
    QWidget* tablewindow() const { return window_; }

private:
    void buildcontrols(TableWindow* window);
    void buildslots(TableWindow* window);
    ButtonLabel* buildbutton(TableWindow* window, const QString& name, const QString& text,
                             const TwipRect& place, double points);
    // Decodes every spin picture once, so a spin step only swaps pictures.
    static void warmpictures();
    // What a screen reader reads for the controls that say nothing by
    // themselves: the dial, the pack card, what each button does.
    void namecontrols();
    // Names the close-up by the spin's result once the spin has stopped:
    // nothing at rest, "spinning" while it turns.
    void namecloseup();
    bool closeupnaming_ = false;

    GameState& state_;
    std::unique_ptr<QtScheduler> ownscheduler_;
    std::unique_ptr<TimeSeededRandom> ownrandom_;
    Scheduler& scheduler_;
    RandomSource& random_;
    std::unique_ptr<Referee> referee_;
    Design design_;

    QColor playercolour_;
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

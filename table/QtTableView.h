#pragma once

#include <QColor>
#include <QObject>
#include <QStringList>

#include "engine/Referee.h"
#include "engine/TableView.h"
#include "table/TableWidgets.h"

namespace zandoli {

// Shows what the referee asks on a table's controls, and keeps what a
// screen reader finds there in step with it. Every step is harmless while
// the window is not loaded: the controls it points at are then null.
//
// The focus follows the game, so a keyboard player's next key and a screen
// reader's next words are where the game now is: when a spin stops, to the
// first card (to the pack on the star on blue); when a turn begins, to Spin;
// after a win, to New Game; after a wrong card, to the message. The view
// sees where the turn has got to by asking the referee once each step of
// the game is over (settle()), and tells the control the focus lands on
// what happened (speech::announce), which a screen reader reads with it.
class QtTableView : public QObject, public TableView {
    Q_OBJECT

public:
    explicit QtTableView(TableWidgets& widgets) : widgets_(widgets) {}

    // The referee the view asks whether the game is won or the spinner
    // turning, to choose what a screen reader hears. The referee is made
    // with its view, so it is attached afterwards.
    void attach(const Referee& referee) { referee_ = &referee; }
    // Names the controls that say nothing by themselves (the dial, the pack
    // card) and describes what each button does; once per built window.
    void nameControls();
    // What the screen reader was last told at a control, for tests.

    void hideSlot(int slot) override;
    void drawFace(int slot, int card) override;
    void applyColourScheme(int colour) override;
    void setTurnCaption(const Caption& caption) override;
    void setTurnCaptionColour(Rgb colour) override;
    void setTurnCaptionSize(int points) override;
    void showTurnCaption(bool visible) override;
    void showTitle(bool visible) override;
    void showMessage(bool visible) override;
    void showPack(bool visible) override;
    void showNextPlayer(bool visible) override;
    void enableNextPlayer(bool enabled) override;
    void enableSpin(bool enabled) override;
    void setSpinCount(std::optional<int> spins) override;
    void setDial(const std::string& picture) override;
    void setCloseup(const std::string& picture) override;
    void playWav(const std::string& name) override;
    void exitTable(bool save) override;
    void showRules() override;

signals:
    void exitRequested(bool save);
    void rulesRequested();

private:
    CardSlot* slot(int index);
    // Names the close-up by the spin's result once the spin has stopped:
    // "spinning" while it turns, and what it is while at rest.
    void nameCloseup();
    // Runs settle() once the step of the game under way is over.
    void settleLater();
    // Moves the focus and tells the news the turn's new phase calls for.
    void settle();
    void moveFocus(QWidget* control, const QString& news);
    // The first card showing in slot order after `from`, wrapping round;
    // null when no other card shows. From -1, the first card of the hand.
    QWidget* nextCard(int from) const;
    // The window's title: the game's name, followed by the turn caption
    // while one is shown ("Zandoli? — Blue to Play"), so a task bar tells
    // whose turn it is.
    void updateWindowTitle();

    TableWidgets& widgets_;
    const Referee* referee_ = nullptr;
    QColor playerColour_;
    // The caption's size the rules asked for; a long caption in another
    // language may be shown smaller, and the next one starts from it again.
    int captionPoints_ = CAPTION_POINTS;
    bool settling_ = false;
    // The phase settle() last saw; Dealing for a window just built.
    Referee::Phase seenPhase_ = Referee::Phase::Dealing;
    // What the table showed during this step that a player must hear: the
    // wrong-card message, a new caption.
    QStringList news_;
};

}  // namespace zandoli

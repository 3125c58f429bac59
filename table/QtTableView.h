#pragma once

#include <QColor>
#include <QObject>

#include "engine/Referee.h"
#include "engine/TableView.h"
#include "table/TableWidgets.h"

namespace zandoli {

// Shows what the referee asks on a table's controls, and keeps what a
// screen reader finds there in step with it. Every step is harmless while
// the window is not loaded: the controls it points at are then null.
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
    // nothing at rest, "spinning" while it turns.
    void nameCloseup();
    // The window's title: the game's name, followed by the turn caption
    // while one is shown ("Zandoli? — Blue to Play"), so a task bar tells
    // whose turn it is.
    void updateWindowTitle();

    TableWidgets& widgets_;
    const Referee* referee_ = nullptr;
    QColor playerColour_;
    bool closeupNaming_ = false;
    // The caption's size the rules asked for; a long caption in another
    // language may be shown smaller, and the next one starts from it again.
    int captionPoints_ = CAPTION_POINTS;
};

}  // namespace zandoli

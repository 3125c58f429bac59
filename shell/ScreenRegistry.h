#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "GameState.h"
#include "Screen.h"

namespace zandoli {

class TitleScreen;
class Backdrop;
class SetupScreen;
class RulesScreen;
class TableScreen;
class OnePlayerTable;

// Every screen of the program, one instance each for the whole run, reached
// by its program-wide name, with the one game state and the shell's own
// `hidedesktop`. Building the registry builds no window: each screen makes
// its window when it is first shown or its controls are first touched.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    ScreenRegistry();
    ~ScreenRegistry() override;

    GameState& state() { return state_; }
    int16_t hidedesktop = 0;

    TitleScreen& Titlefrm() { return *titlefrm_; }
    Backdrop& Grey() { return *grey_; }
    SetupScreen& Startplay2() { return *startplay2_; }
    RulesScreen& Tirrarules() { return *tirrarules_; }
    TableScreen& tirra1() { return *tirra1_; }
    OnePlayerTable& zandoli1player() { return *zandoli1player_; }

    // Shows the table for `numplayers`: the one-player table for one player,
    // the multi-player table otherwise.
    void showtable();
    // A table's accepted Exit: saves when asked, brings the title screen back
    // reading "Cancel", unloads the table and clicks.
    void leavetable(Screen& table, bool save);
    // Saves the game on the open table when there is one that Exit would
    // save: dealt and not won. Every way out of a running game passes here.
    // True when a game was written.
    bool saverunninggame();
    // Plays a sound when sound is on.
    void click(const QString& written);
    // The title screen's Exit: every window goes and the program ends.
    void endprogram();

    // Where the saved game is kept, relative to the working folder.
    QString savefile() const { return savefile_; }

signals:
    void programended();

private:
    void plugtable(TableScreen& table);
    bool writegame();

    GameState state_;
    QString savefile_;
    std::unique_ptr<TitleScreen> titlefrm_;
    std::unique_ptr<Backdrop> grey_;
    std::unique_ptr<SetupScreen> startplay2_;
    std::unique_ptr<RulesScreen> tirrarules_;
    std::unique_ptr<TableScreen> tirra1_;
    std::unique_ptr<OnePlayerTable> zandoli1player_;
};

}  // namespace zandoli

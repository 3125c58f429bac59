#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/GameState.h"
#include "engine/Referee.h"
#include "platform/Screen.h"

namespace zandoli {

class TitleScreen;
class Backdrop;
class SetupScreen;
class RulesScreen;
class TableScreen;
class ResultsScreen;
class ReportScreen;

// Every screen of the program, one instance each for the whole run, reached
// by its program-wide name, with the one game state and the program's own
// `hideDesktop`. Building the registry builds no window: each screen makes
// its window when it is first shown or its controls are first touched.
//
// Screens ask for one another by signal, and only the registry shows and
// unloads them: the way from screen to screen is all in this one place.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    ScreenRegistry();
    ~ScreenRegistry() override;

    GameState& state() { return state_; }
    int16_t hideDesktop = 0;

    TitleScreen& title() { return *title_; }
    Backdrop& backdrop() { return *backdrop_; }
    SetupScreen& setup() { return *setup_; }
    RulesScreen& rules() { return *rules_; }
    ResultsScreen& results() { return *results_; }
    ReportScreen& report() { return *report_; }
    // The table a game of so many players is played at.
    TableScreen& tableFor(int players);
    TableScreen& table() { return tableFor(2); }
    TableScreen& onePlayerTable() { return tableFor(1); }

    // A table's accepted Exit: saves when asked, brings the title screen back
    // reading "Cancel", unloads the table and clicks.
    void leaveTable(Screen& table, bool save);
    // Restart Previous Game: reads the save and opens the table it was
    // played at; a save that cannot be read leaves the title as it is.
    void restoreGame();
    // A practice game for the pupil named `pupil` at the one-player table,
    // over whatever screen is open: dealt from what the pupil confuses
    // within the lesson, or the lesson's own game when there is nothing to
    // practise (the table says which).
    void startPractice(const QString& pupil);
    // Saves the game on the open table when there is one that Exit would
    // save: dealt and not won. Every way out of a running game passes here.
    // True when a game was written.
    bool saveRunningGame();
    // F11 at a table or the rules: into full screen or out of it, for the
    // rest of the run and the next (remembered); the screens open are built
    // again at the new scale, the game on the table going on as it was.
    void switchFullScreen();
    // Plays a sound when sound is on.
    void click(const QString& sound);
    // The title screen's Exit: every window goes and the program ends.
    void endProgram();

    // Where the saved game is kept, relative to the working folder.
    QString saveFile() const { return saveFile_; }

signals:
    void programEnded();

private:
    // The requests every screen can make: full screen and a click.
    void connectScreen(Screen& screen);
    void connectTitle();
    void connectSetup();
    void connectResults();
    void connectTable(TableScreen& table);
    // Unloads `screen` on its own way out, with the click of it.
    void closeOnRequest(Screen& screen);
    // Deals a new game of `players` at their table.
    void startGame(int players, bool sound);
    void chooseHideDesktop(bool hide);
    // The set-up's Lesson…: the lesson chooser, modal over the set-up, whose
    // OK shows the new lesson's name there.
    void chooseLesson();
    // What a game of `lesson` is played with: the set-up's choices.
    static GameSettings gameSettings(const Lesson& lesson);
    // The lesson of the saved game, beside it.
    QString lessonFile() const;
    // The pupil and practice deck of the saved game, beside it.
    QString pupilFile() const;
    void writePupil(const GameSettings& settings) const;
    bool writeGame();

    GameState state_;
    QString saveFile_;
    std::unique_ptr<TitleScreen> title_;
    std::unique_ptr<Backdrop> backdrop_;
    std::unique_ptr<SetupScreen> setup_;
    std::unique_ptr<RulesScreen> rules_;
    std::unique_ptr<ResultsScreen> results_;
    std::unique_ptr<ReportScreen> report_;
    // One screen for each kind of table.
    std::vector<std::unique_ptr<TableScreen>> tables_;
    // Every screen, in the order the program's end unloads them.
    std::vector<Screen*> every_;
};

}  // namespace zandoli

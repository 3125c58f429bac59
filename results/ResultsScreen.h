#pragma once

#include <QPointer>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "engine/GameState.h"
#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/Screen.h"
#include "record/Confusions.h"
#include "record/GameResults.h"
#include "record/ResultsReader.h"
#include "results/MistakeView.h"
#include "results/ResultsChart.h"

namespace zandoli {

// What each player of a recorded game did, at the table's size: for each
// player the cards matched, wrong and missed by form as a chart, and the
// mistakes named with an example of each; the game's date, length and end;
// the way to the games before and after, and to forgetting them all.
class ResultsScreen : public Screen {
    Q_OBJECT

public:
    // `recordPath` empty: the user's record.
    explicit ResultsScreen(const QString& recordPath = QString());

    // Shows the last game recorded.
    void showLatest();
    void previousPressed();
    void nextPressed();
    // Asks first; a yes empties the record. Absent on a locked computer.
    void forgetPressed();
    // The teacher's report over it.
    void reportPressed();
    // A practice game for the named player of panel `panel`.
    void practicePressed(int panel);
    void backPressed();

    // The game shown; none when the record holds none.
    const std::optional<GameResults>& shownGame() const { return game_; }

signals:
    // Report was pressed: the registry lays the teacher's report on top.
    void reportRequested();
    // Practice was pressed: the registry deals `pupil` a practice game.
    void practiceRequested(const QString& pupil);

protected:
    QWidget* createWindow() override;
    void onLoad() override;

private:
    // Asks before Forget All Results forgets; the default answer is No.
    bool confirmForget();
    static constexpr int MISTAKES_SHOWN = 3;
    struct Panel {
        QPointer<ClickLabel> name;
        QPointer<ClickLabel> totals;
        QPointer<ResultsChart> chart;
        QPointer<ClickLabel> noMistakes;
        std::array<QPointer<MistakeView>, MISTAKES_SHOWN> mistakes;
        // A named player's: Practice, and the confusions in the last
        // mistake's row.
        QPointer<ButtonLabel> practice;
        QPointer<ClickLabel> confusions;
    };

    void buildPanel(QWidget* form, int index);
    // The game found, remembering whether the record could be read.
    std::optional<GameResults> read(ResultsReader::Found found);
    // Shows `game`, or keeps the one shown when there is no such game.
    void display(std::optional<GameResults> game, bool keepWhenNone);
    void fillPanel(Panel& panel, const PlayerResults* player, int scaleTop);
    // A named player's confusions over the whole record; none for a colour.
    std::vector<Confusion> confusionsOf(const PlayerResults& player) const;
    static void showConfusions(Panel& panel, const std::vector<Confusion>& confusions);

    QString recordPath_;
    ResultsReader reader_;
    std::optional<GameResults> game_;
    bool unreadable_ = false;
    QPointer<ClickLabel> gameLine_;
    QPointer<ClickLabel> empty_;
    QPointer<ButtonLabel> previous_;
    QPointer<ButtonLabel> next_;
    std::array<Panel, PLAYING_COLOURS> panels_;
};

}  // namespace zandoli

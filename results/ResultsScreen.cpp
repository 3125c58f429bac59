#include "results/ResultsScreen.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <algorithm>

#include "look/Colours.h"
#include "platform/Choices.h"
#include "platform/Platform.h"
#include "platform/ScreenControls.h"
#include "platform/ScreenLook.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "record/ConfusionReader.h"
#include "record/RecordStore.h"
#include "results/ConfusionWords.h"
#include "results/ReportScreen.h"
#include "results/ResultsLegend.h"
#include "results/ResultsWords.h"
#include "results/TeacherLook.h"

namespace zandoli {

using namespace screenControls;
using namespace screenLook;

namespace {

const Face GAME_FACE{ARIAL, 12, true};
const Face NAME_FACE{ARIAL, 20.25, true};
const Face TOTALS_FACE{ARIAL, 11.25, true};
const Face MISTAKE_FACE{ARIAL, 10.5, true};

// A player's panel: one under the other, each the same height.
constexpr int PANEL_TOP = 1380;
constexpr int PANEL_HEIGHT = 2340;
constexpr TwipRect NAME{360, 120, 3000, 540};
constexpr TwipRect TOTALS{360, 720, 3000, 1500};
constexpr TwipRect CHART{3480, 60, 6300, 2160};
constexpr TwipRect PRACTICE{360, 1920, 2160, 390};
const Face CONFUSION_FACE{ARIAL, 9.75, true};
// The confusions shown by name; the screen reader reads them all.
constexpr int CONFUSIONS_SHOWN = 2;
constexpr int MISTAKE_LEFT = 10080;
constexpr int MISTAKE_WIDTH = 5160;
constexpr int MISTAKE_HEIGHT = 660;
constexpr int MISTAKE_STEP = 720;

TwipRect below(TwipRect place, int top) {
    return {place.left, top + place.top, place.width, place.height};
}

// The tallest bar of the game, so that every player's bars share one scale.
int scaleTop(const GameResults& game) {
    int top = 1;
    for (const PlayerResults& player : game.players) {
        for (const FormCounts& form : player.forms) {
            top = std::max({top, form.matched, form.wrong, form.missed});
        }
    }
    return top;
}

}  // namespace

ResultsScreen::ResultsScreen(const QString& recordPath)
    : Screen(QStringLiteral("results")),
      recordPath_(recordPath.isEmpty() ? RecordStore::userPath() : recordPath),
      reader_(recordPath_) {}

QWidget* ResultsScreen::createWindow() {
    QWidget* form = makeLargeWindow();

    text(form, QStringLiteral("resultsHeading"), QCoreApplication::translate("Results", "Results"),
         {360, 120, 6000, 600}, teacherLook::HEADING_FACE, Qt::AlignLeft | Qt::AlignTop);
    auto* legend = new ResultsLegend(form);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setFont(font(TOTALS_FACE));
    legend->setGeometry(pixels({9720, 180, 5400, 480}));
    gameLine_ = text(form, QStringLiteral("gameLine"), QString(), {360, 780, 14640, 420}, GAME_FACE,
                     Qt::AlignLeft | Qt::AlignVCenter);
    empty_ = text(form, QStringLiteral("noResults"), QString(), {360, 4800, 14640, 900},
                  teacherLook::EMPTY_FACE, Qt::AlignCenter);
    for (int i = 0; i < PLAYING_COLOURS; ++i) {
        buildPanel(form, i);
    }

    previous_ = button(form, QStringLiteral("previousButton"),
                       QCoreApplication::translate("Results", "Previous Game"),
                       {120, 10920, 3015, 495}, teacherLook::BUTTON_FACE);
    connect(previous_, &ButtonLabel::clicked, this, &ResultsScreen::previousPressed);
    bindKey(previous_, QKeySequence(Qt::Key_PageUp),
            QCoreApplication::translate("Results", "the results of the game before"));
    next_ = button(form, QStringLiteral("nextButton"),
                   QCoreApplication::translate("Results", "Next Game"), {3255, 10920, 3015, 495},
                   teacherLook::BUTTON_FACE);
    connect(next_, &ButtonLabel::clicked, this, &ResultsScreen::nextPressed);
    bindKey(next_, QKeySequence(Qt::Key_PageDown),
            QCoreApplication::translate("Results", "the results of the game after"));
    ButtonLabel* forget = button(form, QStringLiteral("forgetButton"),
                                 QCoreApplication::translate("Results", "Forget All Results"),
                                 {7200, 10920, 3735, 495}, teacherLook::BUTTON_FACE);
    connect(forget, &ButtonLabel::clicked, this, &ResultsScreen::forgetPressed);
    speech::setDescription(
        forget, QCoreApplication::translate(
                    "Results", "delete every game recorded on this computer, after asking"));
    // A locked computer's record is the teacher's, not the pupils' to forget.
    forget->setVisible(!choices::locked());
    ButtonLabel* report = button(form, QStringLiteral("reportButton"),
                                 QCoreApplication::translate("Results", "Report"),
                                 {11055, 10920, 2385, 495}, teacherLook::BUTTON_FACE);
    connect(report, &ButtonLabel::clicked, this, &ResultsScreen::reportPressed);
    bindKey(report, QKeySequence::Print,
            QCoreApplication::translate("Results",
                                        "the teacher's report: each pupil's page over a period, "
                                        "to print or save"));
    ButtonLabel* back =
        button(form, QStringLiteral("backButton"), QCoreApplication::translate("Results", "Back"),
               {13560, 10920, 1695, 495}, teacherLook::BUTTON_FACE);
    connect(back, &ButtonLabel::clicked, this, &ResultsScreen::backPressed);
    bindKey(back, QKeySequence(Qt::Key_Escape),
            QCoreApplication::translate("Results", "close the results"));
    bindFullScreenKey(form);
    speech::setWindowPurpose(form, QCoreApplication::translate("Results", "Results"));
    return form;
}

void ResultsScreen::buildPanel(QWidget* form, int index) {
    Panel& panel = panels_[static_cast<size_t>(index)];
    const int top = PANEL_TOP + index * PANEL_HEIGHT;
    panel.name = text(form, QStringLiteral("playerName%1").arg(index), QString(), below(NAME, top),
                      NAME_FACE, Qt::AlignLeft | Qt::AlignVCenter);
    panel.totals = text(form, QStringLiteral("playerTotals%1").arg(index), QString(),
                        below(TOTALS, top), TOTALS_FACE, Qt::AlignLeft | Qt::AlignTop);
    panel.totals->setWordWrap(true);
    panel.chart = new ResultsChart(form);
    panel.chart->setObjectName(QStringLiteral("chart%1").arg(index));
    panel.chart->setFont(font(TOTALS_FACE));
    panel.chart->setGeometry(pixels(below(CHART, top)));
    panel.chart->setFocusPolicy(Qt::TabFocus);
    panel.practice = button(form, QStringLiteral("practiceButton%1").arg(index),
                            QCoreApplication::translate("Results", "Practice"),
                            below(PRACTICE, top), TOTALS_FACE);
    connect(panel.practice, &ButtonLabel::clicked, this, [this, index] { practicePressed(index); });
    panel.confusions = text(form, QStringLiteral("confusions%1").arg(index), QString(),
                            {MISTAKE_LEFT, top + 60 + (MISTAKES_SHOWN - 1) * MISTAKE_STEP,
                             MISTAKE_WIDTH, MISTAKE_HEIGHT},
                            CONFUSION_FACE, Qt::AlignLeft | Qt::AlignVCenter);
    panel.confusions->setWordWrap(true);
    panel.noMistakes = text(form, QStringLiteral("noMistakes%1").arg(index),
                            QCoreApplication::translate("Results", "No mistakes"),
                            {MISTAKE_LEFT, top + 60, MISTAKE_WIDTH, MISTAKE_HEIGHT}, MISTAKE_FACE,
                            Qt::AlignLeft | Qt::AlignVCenter);
    for (int m = 0; m < MISTAKES_SHOWN; ++m) {
        auto* view = new MistakeView(form);
        view->setObjectName(QStringLiteral("mistake%1_%2").arg(index).arg(m));
        view->setTextFont(font(MISTAKE_FACE));
        view->setGeometry(
            pixels({MISTAKE_LEFT, top + 60 + m * MISTAKE_STEP, MISTAKE_WIDTH, MISTAKE_HEIGHT}));
        view->setFocusPolicy(Qt::TabFocus);
        panel.mistakes[static_cast<size_t>(m)] = view;
    }
}

void ResultsScreen::onLoad() {
    fitWindow(window());
    // A window built again at another scale shows the game it showed.
    display(game_, false);
}

void ResultsScreen::showLatest() {
    window();
    display(read(reader_.latest()), false);
    show();
}

void ResultsScreen::previousPressed() {
    if (game_) {
        display(read(reader_.before(game_->id)), true);
    }
    emit soundRequested(CLICK);
}

void ResultsScreen::nextPressed() {
    if (game_) {
        display(read(reader_.after(game_->id)), true);
    }
    emit soundRequested(CLICK);
}

bool ResultsScreen::confirmForget() {
    return QMessageBox::question(
               window(), QCoreApplication::translate("Results", "Forget All Results"),
               QCoreApplication::translate(
                   "Results",
                   "Forget the results of every game played on this computer? This cannot be "
                   "undone."),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void ResultsScreen::forgetPressed() {
    emit soundRequested(CLICK);
    if (confirmForget()) {
        // What is left shows: nothing, unless the record could not be emptied.
        reader_.forgetAll();
        display(read(reader_.latest()), false);
    }
}

void ResultsScreen::reportPressed() {
    emit soundRequested(CLICK);
    emit reportRequested();
}

void ResultsScreen::practicePressed(int panel) {
    if (game_ && panel >= 0 && static_cast<size_t>(panel) < game_->players.size() &&
        !game_->players[static_cast<size_t>(panel)].name.empty()) {
        emit soundRequested(CLICK);
        emit practiceRequested(
            QString::fromStdString(game_->players[static_cast<size_t>(panel)].name));
    }
}

void ResultsScreen::backPressed() {
    emit closeRequested();
}

std::optional<GameResults> ResultsScreen::read(ResultsReader::Found found) {
    unreadable_ = found.failed();
    return std::move(found.value);
}

void ResultsScreen::display(std::optional<GameResults> game, bool keepWhenNone) {
    if (!game && keepWhenNone && !unreadable_) {
        return;
    }
    game_ = std::move(game);
    window();
    gameLine_->setText(game_ ? resultsWords::gameText(*game_) : QString());
    empty_->setText(unreadable_
                        ? resultsWords::unreadableText()
                        : QCoreApplication::translate("Results", "No game has been recorded yet."));
    empty_->setVisible(!game_);
    const int top = game_ ? scaleTop(*game_) : 1;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const bool seated = game_ && i < game_->players.size();
        fillPanel(panels_[i], seated ? &game_->players[i] : nullptr, top);
    }
    previous_->setEnabled(game_ && reader_.before(game_->id).value);
    next_->setEnabled(game_ && reader_.after(game_->id).value);
}

void ResultsScreen::fillPanel(Panel& panel, const PlayerResults* player, int scaleTop) {
    const bool shown = player != nullptr;
    for (QWidget* part :
         {static_cast<QWidget*>(panel.name.data()), static_cast<QWidget*>(panel.totals.data()),
          static_cast<QWidget*>(panel.chart.data())}) {
        part->setVisible(shown);
    }
    const std::vector<Confusion> confusions =
        shown ? confusionsOf(*player) : std::vector<Confusion>{};
    showConfusions(panel, confusions);
    panel.practice->setVisible(shown && !player->name.empty());
    panel.noMistakes->setVisible(shown && player->mistakes.empty());
    // The pupil's confusions take the last mistake's row.
    const size_t rows = confusions.empty() ? panel.mistakes.size() : panel.mistakes.size() - 1;
    for (size_t m = 0; m < panel.mistakes.size(); ++m) {
        const bool has = shown && m < rows && m < player->mistakes.size();
        panel.mistakes[m]->setVisible(has);
        if (has) {
            panel.mistakes[m]->setMistake(player->mistakes[m], player->colour);
        }
    }
    if (!shown) {
        return;
    }
    const QColor colour = look::player(player->colour).colour.to<QColor>();
    panel.name->setText(resultsWords::playerName(*player));
    panel.name->setTextColour(colour);
    panel.totals->setText(resultsWords::totalsText(*player) + QLatin1Char('\n') +
                          resultsWords::spinsText(player->spins));
    panel.chart->setResults(*player, colour, scaleTop);
    speech::setDescription(panel.practice,
                           QCoreApplication::translate(
                               "Results", "a one-player game for %1, dealt from what %1 confuses")
                               .arg(resultsWords::playerName(*player)));
}

std::vector<Confusion> ResultsScreen::confusionsOf(const PlayerResults& player) const {
    if (player.name.empty()) {
        return {};
    }
    return confusions::readConfusions(recordPath_, QString::fromStdString(player.name),
                                      confusions::localOffsetMs())
        .value;
}

void ResultsScreen::showConfusions(Panel& panel, const std::vector<Confusion>& confusions) {
    panel.confusions->setVisible(!confusions.empty());
    panel.confusions->setText(confusionWords::headlines(confusions, CONFUSIONS_SHOWN));
    panel.confusions->setAccessibleName(confusionWords::sentences(confusions));
}

}  // namespace zandoli

#include "moc_ResultsScreen.cpp"

#include "screens/ScreenRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "platform/Choices.h"
#include "platform/Platform.h"
#include "platform/ScreenLook.h"
#include "results/PracticeGame.h"
#include "results/ReportScreen.h"
#include "results/ResultsScreen.h"
#include "savegame/SaveFile.h"
#include "screens/Backdrop.h"
#include "screens/LessonDialog.h"
#include "screens/RulesScreen.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"

#include "table/TableScreen.h"

namespace zandoli {

ScreenRegistry::ScreenRegistry()
    : saveFile_(QString::fromLatin1(savegame::SAVE_FILE)),
      title_(std::make_unique<TitleScreen>(state_)),
      backdrop_(std::make_unique<Backdrop>()),
      setup_(std::make_unique<SetupScreen>(hideDesktop)),
      rules_(std::make_unique<RulesScreen>()),
      results_(std::make_unique<ResultsScreen>()),
      report_(std::make_unique<ReportScreen>()),
      every_{title_.get(), setup_.get(), rules_.get(), results_.get(), report_.get()} {
    for (const TableKind* kind : TABLE_KINDS) {
        tables_.push_back(std::make_unique<TableScreen>(*kind, state_));
        connectTable(*tables_.back());
        every_.push_back(tables_.back().get());
    }
    every_.push_back(backdrop_.get());
    for (Screen* screen : every_) {
        connectScreen(*screen);
    }
    connectTitle();
    connectSetup();
    connectResults();
}

TableScreen& ScreenRegistry::tableFor(int players) {
    for (const auto& table : tables_) {
        if (table->kind().forOnePlayer == (players == 1)) {
            return *table;
        }
    }
    return *tables_.front();
}

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::connectScreen(Screen& screen) {
    connect(&screen, &Screen::fullScreenRequested, this, &ScreenRegistry::switchFullScreen);
    connect(&screen, &Screen::soundRequested, this, &ScreenRegistry::click);
}

void ScreenRegistry::closeOnRequest(Screen& screen) {
    connect(&screen, &Screen::closeRequested, this, [this, &screen] {
        screen.unload();
        click(screenLook::CLICK);
    });
}

void ScreenRegistry::connectTitle() {
    connect(title_.get(), &TitleScreen::setupRequested, this, [this] {
        hideDesktop = 1;
        backdrop().show();
        setup().show();
        title().unload();
        click(screenLook::CLICK);
    });
    connect(title_.get(), &TitleScreen::restoreRequested, this, &ScreenRegistry::restoreGame);
    connect(title_.get(), &Screen::closeRequested, this, &ScreenRegistry::endProgram);
}

void ScreenRegistry::connectSetup() {
    connect(setup_.get(), &SetupScreen::gameRequested, this, &ScreenRegistry::startGame);
    connect(setup_.get(), &SetupScreen::hideDesktopChosen, this,
            &ScreenRegistry::chooseHideDesktop);
    connect(setup_.get(), &SetupScreen::rulesRequested, this, [this] {
        rules().show();
        click(screenLook::CLICK);
    });
    connect(setup_.get(), &SetupScreen::resultsRequested, this, [this] {
        results().showLatest();
        click(screenLook::CLICK);
    });
    connect(setup_.get(), &SetupScreen::lessonRequested, this, &ScreenRegistry::chooseLesson);
    connect(setup_.get(), &Screen::closeRequested, this, [this] {
        title().show();
        setup().unload();
    });
    closeOnRequest(*rules_);
}

void ScreenRegistry::connectResults() {
    connect(results_.get(), &ResultsScreen::reportRequested, this,
            [this] { report().showReport(); });
    connect(results_.get(), &ResultsScreen::practiceRequested, this,
            &ScreenRegistry::startPractice);
    closeOnRequest(*results_);
    closeOnRequest(*report_);
}

void ScreenRegistry::connectTable(TableScreen& table) {
    table.setPupilDealer([](GameSettings played) {
        played.deck = deckOf(played.lesson);
        return practiceSettings(played, QString::fromStdString(played.pupil));
    });
    connect(&table, &TableScreen::exitRequested, this,
            [this, &table](bool save) { leaveTable(table, save); });
    // A window closed another way is left as the accepted Exit leaves it,
    // except that a game still being dealt has nothing to keep yet.
    connect(&table, &TableScreen::windowClosed, this, [this, &table] {
        saveRunningGame();
        leaveTable(table, false);
    });
    // The table plays its own click; the registry only lays the rules on top.
    connect(&table, &TableScreen::rulesRequested, this, [this] { rules().show(); });
    connect(&table, &TableScreen::resultsRequested, this, [this] {
        results().showLatest();
        click(screenLook::CLICK);
    });
}

void ScreenRegistry::startGame(int players, bool sound) {
    table().unload();
    state_.numPlayers = static_cast<int16_t>(players);
    state_.playSound = sound ? 1 : 0;
    tableFor(players).open(TableStart::Deal, gameSettings(choices::lesson()));
    rules().unload();
    setup().unload();
}

GameSettings ScreenRegistry::gameSettings(const Lesson& lesson) {
    return {
        .explainMistakes = choices::explainMistakes(), .deck = deckOf(lesson), .lesson = lesson};
}

void ScreenRegistry::restoreGame() {
    if (!savegame::readSave(saveFile_.toStdString(), state_)) {
        return;
    }
    // A game is taken up under the lesson it was played in: its cards are
    // that lesson's. A save without one is the standard lesson's.
    const choices::LessonFile saved = choices::readLessonFile(lessonFile());
    const Lesson lesson = saved.lesson.value_or(everyValueLesson());
    // A pupil's game is taken up as one, its practice deck with it.
    QFile pupil(pupilFile());
    const GameSettings settings = readSavedPupil(
        gameSettings(lesson), pupil.open(QIODevice::ReadOnly) ? pupil.readAll() : QByteArray());
    hideDesktop = 1;
    backdrop().show();
    tableFor(state_.numPlayers).open(TableStart::Restore, settings);
    title().unload();
    // The click follows the Play Sound choice just read from the save.
    click(screenLook::CLICK);
}

void ScreenRegistry::startPractice(const QString& pupil) {
    report().unload();
    results().unload();
    for (const auto& table : tables_) {
        table->unload();
    }
    const Lesson lesson = choices::lesson();
    state_.numPlayers = 1;
    state_.playSound = lesson.sound.value_or(true) ? 1 : 0;
    hideDesktop = 1;
    backdrop().show();
    onePlayerTable().open(TableStart::Deal, practiceSettings(gameSettings(lesson), pupil));
    rules().unload();
    setup().unload();
    title().unload();
    click(screenLook::CLICK);
}

void ScreenRegistry::chooseLesson() {
    // Its key still works on a locked computer, where the button is hidden.
    if (choices::locked()) {
        return;
    }
    auto* dialog = new LessonDialog(setup().window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] { setup().showLesson(); });
    dialog->open();
}

void ScreenRegistry::chooseHideDesktop(bool hide) {
    hideDesktop = hide ? 1 : 0;
    if (hide) {
        backdrop().show();
    } else {
        backdrop().unload();
    }
    setup().show();
}

void ScreenRegistry::switchFullScreen() {
    setFullScreen(!fullScreen());
    chooseScale(fullScreen());
    // The set-up screen and the tables first, so that the rules, built again
    // over them, stay on top.
    setup_->rebuild();
    for (const auto& table : tables_) {
        table->rebuild();
    }
    rules_->rebuild();
    results_->rebuild();
    report_->rebuild();
}

void ScreenRegistry::leaveTable(Screen& table, bool save) {
    report().unload();
    results().unload();
    if (save) {
        // A save that fails is not reported; the table is left all the same.
        (void)writeGame();
    }
    // Touching the caption loads the title screen, whose load turns sound on,
    // so this click is always heard.
    title().setStartCaption(QCoreApplication::translate("Title", "Cancel"));
    title().show();
    table.unload();
    click(screenLook::CLICK);
}

bool ScreenRegistry::saveRunningGame() {
    for (const auto& table : tables_) {
        if (table->gameRunning()) {
            return writeGame();
        }
    }
    return false;
}

QString ScreenRegistry::lessonFile() const {
    return QFileInfo(saveFile_).completeBaseName() + QStringLiteral(".lesson");
}

QString ScreenRegistry::pupilFile() const {
    return QFileInfo(saveFile_).completeBaseName() + QStringLiteral(".pupil");
}

bool ScreenRegistry::writeGame() {
    const GameSettings* played = nullptr;
    for (const auto& table : tables_) {
        if (table->isLoaded()) {
            played = &table->settings();
        }
    }
    // The lesson beside the save, as a teacher's file: lastgame.inf stays the
    // 110 lines it has always been. The standard lesson needs no file.
    QFile::remove(lessonFile());
    if (played != nullptr && played->lesson != everyValueLesson()) {
        QFile file(lessonFile());
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray::fromStdString(writeLesson(played->lesson)));
        }
    }
    writePupil(played != nullptr ? *played : GameSettings{});
    return savegame::writeSave(state_, saveFile_.toStdString());
}

void ScreenRegistry::writePupil(const GameSettings& settings) const {
    // Beside the save, which has no room for it, as the lesson is: a reader
    // that knows nothing of pupils takes the save up as it always has.
    const QByteArray pupil = savedPupil(settings);
    QFile::remove(pupilFile());
    QFile file(pupilFile());
    if (!pupil.isEmpty() && file.open(QIODevice::WriteOnly)) {
        file.write(pupil);
    }
}

void ScreenRegistry::click(const QString& sound) {
    if (state_.playSound == 1) {
        playWav(sound);
    }
}

void ScreenRegistry::endProgram() {
    for (Screen* screen : every_) {
        screen->unload();
    }
    emit programEnded();
}

}  // namespace zandoli

#include "moc_ScreenRegistry.cpp"

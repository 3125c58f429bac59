#include "screens/ScreenRegistry.h"

#include <QCoreApplication>
#include <QShortcut>

#include "platform/Platform.h"
#include "savegame/SaveFile.h"
#include "screens/Backdrop.h"
#include "screens/ReportScreen.h"
#include "screens/ResultsScreen.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenLook.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"

#include "table/TableKeys.h"
#include "table/TableScreen.h"

namespace zandoli {

ScreenRegistry::ScreenRegistry()
    : saveFile_(QString::fromLatin1(savegame::SAVE_FILE)),
      title_(std::make_unique<TitleScreen>(*this)),
      backdrop_(std::make_unique<Backdrop>()),
      setup_(std::make_unique<SetupScreen>(*this)),
      rules_(std::make_unique<RulesScreen>(*this)),
      results_(std::make_unique<ResultsScreen>(*this)),
      report_(std::make_unique<ReportScreen>(*this)),
      every_{title_.get(), setup_.get(), rules_.get(), results_.get(), report_.get()} {
    for (const TableKind* kind : TABLE_KINDS) {
        tables_.push_back(std::make_unique<TableScreen>(*kind, state_));
        connectTable(*tables_.back());
        every_.push_back(tables_.back().get());
    }
    every_.push_back(backdrop_.get());
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

void ScreenRegistry::connectTable(TableScreen& table) {
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
    connect(&table, &TableScreen::fullScreenRequested, this, &ScreenRegistry::switchFullScreen);
    connect(&table, &TableScreen::resultsRequested, this, [this] {
        results().showLatest();
        click(screenLook::CLICK);
    });
}

void ScreenRegistry::bindFullScreenKey(QWidget* window) {
    auto* key = new QShortcut(window);
    key->setKeys(tableKeys::fullScreenKeys());
    connect(key, &QShortcut::activated, this, &ScreenRegistry::switchFullScreen);
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

void ScreenRegistry::showTable() {
    tableFor(state_.numPlayers).show();
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

bool ScreenRegistry::writeGame() {
    return savegame::writeSave(state_, saveFile_.toStdString());
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

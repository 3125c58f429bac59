#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTest>
#include <memory>
#include <numeric>

#include "engine/Pack.h"
#include "screens/Backdrop.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"
#include "table/OnePlayerTable.h"
#include "table/TableScreen.h"
#include "tests/platform/SoundLog.h"
#include "tests/platform/WorkingFolder.h"

namespace zandoli {

// A game just dealt in pack order, the last colour to play: what a table
// restores and what the save reader accepts.
inline GameState dealtGame(int16_t players, int16_t sound) {
    GameState game;
    game.numPlayers = players;
    game.playSound = sound;
    game.colour = static_cast<int16_t>(players - 1);
    PackOrder pack;
    std::iota(pack.begin(), pack.end(), int16_t{0});
    clearHands(game);
    dealHands(game, pack);
    return game;
}

// A run of the program in a fresh working folder holding the two
// pictures, with the sounds recorded.
class Screens : public ::testing::Test {
protected:
    Screens() {
        folder.writePicture(QStringLiteral("Images/opening.jpg"), QSize(320, 240));
        folder.writePicture(QStringLiteral("Images/logo2.jpg"), QSize(100, 139));
        screens = std::make_unique<ScreenRegistry>();
    }
    ~Screens() override {
        screens.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T = QWidget>
    T* control(Screen& screen, const char* name) {
        T* found = screen.window()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(Screen& screen, const char* name) {
        QWidget* widget = control(screen, name);
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    GameState& state() { return screens->state(); }
    // The screens open, in a fixed order, and the sounds heard since the last
    // call, e.g. "backdrop setup | wav/click.wav".
    std::string seen() {
        std::string seen;
        const std::pair<const char*, Screen*> all[] = {
            {"title", &screens->title()}, {"backdrop", &screens->backdrop()},
            {"setup", &screens->setup()}, {"rules", &screens->rules()},
            {"table", &screens->table()}, {"one", &screens->onePlayerTable()}};
        for (const auto& [name, screen] : all) {
            seen += screen->isLoaded() ? std::string(name) + " " : "";
        }
        seen += "|";
        for (const QString& sound : sounds.started) {
            seen += " " + sound.toStdString();
        }
        sounds.started.clear();
        return seen;
    }
    // Opens a table on a game as Restart does: no deal delay.
    void restore(Screen& table, const GameState& game) {
        state() = game;
        state().restoring = 1;
        table.show();
        state().restoring = 0;
    }

    WorkingFolder folder;
    testing::SoundLog sounds;
    std::unique_ptr<ScreenRegistry> screens;
};

}  // namespace zandoli

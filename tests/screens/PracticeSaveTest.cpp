// A practice game saved and taken up again, and New Game at a practice
// table, on a record where Ana took the 0.7 tile for 0.3.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTest>
#include <algorithm>

#include "engine/Lesson.h"
#include "platform/Choices.h"
#include "record/RecordStore.h"
#include "results/PracticeGame.h"
#include "screens/ScreenRegistry.h"
#include "table/TableScreen.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/RecordFile.h"

namespace zandoli {
namespace {

// Ana's game from `atMs`: she spun `position` holding card `held`, and
// pressed card `wrong` for its unshaded part.
void plantMistake(int64_t atMs, int position, int16_t held, int16_t wrong) {
    RecordStore store;
    store.gameStarted({.atMs = atMs, .players = 1, .names = {"Ana"}});
    store.recorded({.atMs = atMs + 1, .turn = 1, .position = position, .hand = {held, wrong}});
    store.recorded({.atMs = atMs + 2,
                    .what = Happening::Wrong,
                    .turn = 1,
                    .position = position,
                    .card = wrong,
                    .mistake = MistakeRule::UnshadedPart});
}

// Waits, on the table's own timers, until its cards are dealt.
bool dealt(const TableScreen& table) {
    for (int waited = 0; waited < 100 && !table.gameRunning(); ++waited) {
        QTest::qWait(50);
    }
    return table.gameRunning();
}

class PracticeSave : public ::testing::Test {
protected:
    // 0.3 spun, the 0.7 tile pressed.
    PracticeSave() { plantMistake(1000, 12, 4, 42); }

    testing::DataHome home_;
    WorkingFolder folder_;
};

TEST_F(PracticeSave, ASavedPracticeGameIsTakenUpAsOne) {
    Deck practised;
    {
        ScreenRegistry screens;
        screens.startPractice(QStringLiteral("Ana"));
        ASSERT_TRUE(dealt(screens.onePlayerTable()));
        practised = screens.onePlayerTable().settings().deck;
        ASSERT_TRUE(screens.saveRunningGame());
    }
    ScreenRegistry screens;
    screens.restoreGame();
    const TableScreen& table = screens.onePlayerTable();
    ASSERT_TRUE(table.isLoaded());
    EXPECT_TRUE(table.settings().practice);
    EXPECT_EQ(table.settings().pupil, "Ana");
    EXPECT_EQ(table.settings().deck.cards, practised.cards);
    EXPECT_EQ(table.settings().deck.spinner, practised.spinner);
    EXPECT_EQ(table.referee().result(), 0.3);  // position 0 of the practice spinner

    // A save written without the file beside it (as an older version writes
    // it) is the ordinary game it always was.
    screens.leaveTable(screens.onePlayerTable(), true);
    ASSERT_TRUE(QFile::remove(QStringLiteral("lastgame.pupil")));
    screens.restoreGame();
    EXPECT_FALSE(table.settings().practice);
    EXPECT_EQ(table.settings().pupil, "");
    EXPECT_EQ(table.settings().deck, standardDeck());
}

TEST_F(PracticeSave, NewGameDealsFromTheRecordAsItIsNow) {
    ScreenRegistry screens;
    screens.startPractice(QStringLiteral("Ana"));
    TableScreen& table = screens.onePlayerTable();
    ASSERT_TRUE(dealt(table));
    const auto shown = [&](double value) {
        return std::count(table.settings().deck.spinner.begin(),
                          table.settings().deck.spinner.end(), value);
    };
    EXPECT_EQ(shown(0.6), 0);
    // Meanwhile Ana spun 0.6 and took the 0.4 decimal (card 13) for it.
    plantMistake(90'000'000, 7, 7, 13);
    QTest::mouseClick(table.window()->findChild<QWidget*>("newGameButton"), Qt::LeftButton);
    EXPECT_TRUE(table.settings().practice);
    EXPECT_EQ(table.settings().pupil, "Ana");
    EXPECT_GT(shown(0.6), 0);
    EXPECT_GT(shown(0.3), 0);
}

// A class code's game taken up again is recorded as the game it was dealt
// as, not as the code's next one, and its notice line is shown again.
TEST_F(PracticeSave, AClassGameTakenUpAgainIsTheGameItWasDealtAs) {
    Lesson lesson = everyValueLesson();
    lesson.code = "4B";
    ASSERT_TRUE(choices::setLesson(lesson));
    struct Standard {
        ~Standard() { choices::setLesson(everyValueLesson()); }
    } lessonAfter;
    {
        ScreenRegistry screens;
        // Bo has nothing to practise: the lesson's own game, its first.
        screens.startPractice(QStringLiteral("Bo"));
        ASSERT_TRUE(dealt(screens.onePlayerTable()));
        ASSERT_TRUE(screens.saveRunningGame());
    }
    ScreenRegistry screens;
    screens.restoreGame();
    ASSERT_TRUE(screens.onePlayerTable().isLoaded());
    // The table says at once whose game it is, with no deal to wait for.
    const auto* notice = screens.onePlayerTable().window()->findChild<QLabel*>("notice");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text().toStdString(), "Bo has nothing to practise: an ordinary game");
    EXPECT_EQ(testing::joined(
                  testing::readRows(RecordStore::userPath(),
                                    "SELECT restored, class_game FROM game WHERE class_game IS NOT "
                                    "NULL ORDER BY id")),
              "0 | 1 / 1 | 1");
}

TEST(SavedPupil, KeepsThePupilAndThePracticeDeckAndRefusesADamagedDeck) {
    GameSettings practice{.pupil = "Ana", .practice = true};
    practice.deck.cards.fill(42);
    practice.deck.spinner.fill(0.3);
    practice.deck.spinner[1] = RED_STAR;
    practice.deck.spinner[2] = BLUE_STAR;
    const QByteArray text = savedPupil(practice);
    EXPECT_TRUE(text.startsWith("pupil Ana\npractice 1\npack 42 42 "));
    // The stars as the files already written hold them.
    EXPECT_TRUE(text.contains("\nspinner 0.3 -1 2 0.3 "));
    const GameSettings lesson{.deck = standardDeck()};
    const GameSettings back = readSavedPupil(lesson, text);
    EXPECT_EQ(back.pupil, "Ana");
    EXPECT_TRUE(back.practice);
    EXPECT_EQ(back.deck.cards, practice.deck.cards);
    EXPECT_EQ(back.deck.spinner, practice.deck.spinner);

    // A pupil with nothing to practise keeps the lesson's deck.
    EXPECT_EQ(savedPupil({.pupil = "Bo"}), "pupil Bo\npractice 0\n");
    const GameSettings bo = readSavedPupil(lesson, "pupil Bo\npractice 0\n");
    EXPECT_EQ(bo.pupil, "Bo");
    EXPECT_FALSE(bo.practice);
    EXPECT_EQ(bo.deck, standardDeck());
    EXPECT_EQ(savedPupil({}), "");
    EXPECT_EQ(readSavedPupil(lesson, "").pupil, "");

    // A pack a card short, a card not of the catalogue, a word for a number:
    // the pupil stays, the deck is the lesson's.
    QByteArray shortPack = text;
    shortPack.replace("pack 42 ", "pack ");
    QByteArray unknownCard = text;
    unknownCard.replace("pack 42 ", "pack 48 ");
    QByteArray word = text;
    word.replace("spinner 0.3 ", "spinner half ");
    for (const QByteArray& damaged : {shortPack, unknownCard, word}) {
        const GameSettings read = readSavedPupil(lesson, damaged);
        EXPECT_EQ(read.pupil, "Ana") << damaged.toStdString();
        EXPECT_FALSE(read.practice) << damaged.toStdString();
        EXPECT_EQ(read.deck, standardDeck()) << damaged.toStdString();
    }
}

}  // namespace
}  // namespace zandoli

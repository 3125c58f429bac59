// Every screen as a player sees it, in a fixed state, against a picture kept
// beside this file: a control that moves, resizes, changes its font or its
// colour shows as pixels that differ. With ZANDOLI_UPDATE_GOLDENS set the
// pictures are written instead (scripts/update-goldens), for a change of
// look that is meant.
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "assets/AssetLook.h"
#include "assets/DialPainter.h"
#include "engine/Lesson.h"
#include "language/Language.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "record/RecordStore.h"
#include "results/ResultsScreen.h"
#include "results/TeacherReport.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"
#include "table/DialArt.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

// Black where the two pictures agree, the difference where they do not.
QImage difference(const QImage& seen, const QImage& expected) {
    QImage diff = seen;
    QPainter painter(&diff);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.drawImage(0, 0, expected);
    return diff;
}

// Pixels whose channels all lie within 8 of the picture's count as the same,
// and one in a hundred thousand may differ: room for a rounding in a picture
// decoder, never for a control out of place or a one-pixel line gone (a
// 1024 x 768 picture allows 7 pixels).
long differing(const QImage& diff) {
    const auto* pixels = reinterpret_cast<const QRgb*>(diff.constBits());
    return std::count_if(pixels, pixels + diff.width() * diff.height(), [](QRgb d) {
        return std::max({qRed(d), qGreen(d), qBlue(d)}) > 8;
    });
}
bool alike(const QImage& diff) {
    return differing(diff) <= diff.width() * diff.height() / 100'000;
}

// A grab against the picture kept; on a mismatch the grab and the difference
// are left in the build folder.
void looksLikeGolden(const QImage& picture, const QString& name) {
    const QImage seen = picture.convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(ZANDOLI_GOLDEN_DIR "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("ZANDOLI_UPDATE_GOLDENS")) {
        ASSERT_TRUE(seen.save(golden, "PNG", 0)) << golden.toStdString();
        return;
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(seen.size(), expected.size()) << golden.toStdString();
    const QImage diff = difference(seen, expected);
    if (!alike(diff)) {
        const QString out = ZANDOLI_GOLDEN_OUT "/" + name;
        seen.save(out + "-seen.png");
        diff.save(out + "-diff.png");
        ADD_FAILURE() << differing(diff) << " pixels differ from " << golden.toStdString()
                      << "; see " << out.toStdString() << "-seen.png and -diff.png";
    }
}

void looksLikeGolden(QWidget* window, const QString& name) {
    looksLikeGolden(window->grab().toImage(), name);
}

// The screens run in a fresh folder that holds the pictures the build made.
struct Golden : ::testing::Test {
    Golden() { QFile::link(ZANDOLI_RUN_DIR "/Images", folder.path() + "/Images"); }
    WorkingFolder folder;
};

// The way in: the title, the set-up screen with Hide Desktop ticked as the
// title leaves it, the rules.
TEST_F(Golden, TitleSetUpAndRules) {
    ScreenRegistry screens;
    screens.hideDesktop = 1;
    for (Screen* screen :
         std::initializer_list<Screen*>{&screens.title(), &screens.setup(), &screens.rules()}) {
        screen->show();
        looksLikeGolden(screen->window(), screen->name());
    }
}

// Four players while the cards are shuffled, and on the deal the always-0
// generator gives; Magenta's win, the widest caption of a colour; one player
// after a spin of twenty steps; one player who has won in 32767 spins, the
// widest caption of all (each win as it first shows: no other control on it,
// the title stepped aside); Magenta's turn of a saved game with twelve cards
// of every kind (1, 0.3, 0.25, 30%, 25%, 100%, 1/4, 1/10, 3/4 and the tiles
// of 0.1, 0.25 and 0.75).
TEST_F(Golden, TablesDealtSpunWonAndRestored) {
    Harness four(4);
    four.table.open(
        TableStart::Deal);  // the cards are being shuffled: only the title and the buttons show
    looksLikeGolden(four.table.window(), "table-four-dealing");
    four.clock.advance(timerInterval(TimerId::DealDelay));
    // Where the window stands no grab shows: centred on the 1280 x 1024 display.
    EXPECT_EQ(four.table.window()->frameGeometry(), QRect(128, 128, 1024, 768));
    looksLikeGolden(four.table.window(), "table-four-dealt");
    four.spinTo(8);  // 0.7: Spin is switched off, dimmed, until the next turn
    looksLikeGolden(four.table.window(), "table-four-spun");
    Harness won(4);
    won.restore({24}, 2);          // "100%", the last card
    won.spinTo(14);                // the whole one
    won.clickAt(QPoint(41, 320));  // on the card
    looksLikeGolden(won.table.window(), "table-four-won");
    Harness spun(1);
    spun.startNewGame();
    spun.spinFor(20);
    looksLikeGolden(spun.table.window(), "table-one-spun");
    Harness oneWon(1);
    oneWon.state.spins = 32766;
    oneWon.restore({24});
    oneWon.spinTo(14);
    oneWon.clickAt(QPoint(41, 320));
    looksLikeGolden(oneWon.table.window(), "table-one-won");
    // The restored table at 1, below (a projector's 1280 x 720, a laptop's
    // 1366 x 768 less a 32-pixel panel, and smaller still) and above (full
    // screen on a larger display): the same table, its type and pictures drawn
    // at the size they show, not stretched.
    for (const auto& [scale, name] : {std::pair{1.0, "table-four-restored"},
                                      {0.9375, "table-four-restored-0.9375"},
                                      {736.0 / 768, "table-four-restored-0.96"},
                                      {0.75, "table-four-restored-0.75"},
                                      {1.5, "table-four-restored-1.5"}}) {
        units::setScale(scale);
        forgetPictures();
        Harness restored(4);
        restored.restore({0, 4, 11, 15, 22, 24, 25, 32, 27, 36, 46, 47}, 2);
        looksLikeGolden(restored.table.window(), name);
    }
    units::setScale(1);
}

// A wrong card explained, with a card of the spin's value left in the hand:
// Blue presses 0.8 on 0.7 while holding 0.7, at scale 1, on a projector's
// 1280 x 720 and in full screen on 1920 x 1080: the two tiles, the number
// line and the sentence over the spinner, nothing clipped.
TEST_F(Golden, AWrongCardExplainedAtEveryScale) {
    for (const auto& [scale, name] : {std::pair{1.0, "table-explained"},
                                      {0.9375, "table-explained-0.9375"},
                                      {1.40625, "table-explained-1.40625"}}) {
        units::setScale(scale);
        forgetPictures();
        Harness explained(2);
        explained.restore({9, 8, 15}, 0, GameSettings{.explainMistakes = true});
        explained.spinTo(8);
        explained.clickAt(QPoint(units::px(615), units::px(4800)));  // the first card
        looksLikeGolden(explained.table.window(), name);
    }
    units::setScale(1);
}

// A lesson of halves and quarters, in decimals and tiles: its spinner shows
// a half and a quarter in turn where the standard one shows its shapes, on a
// dial painted as the game runs. Stopped on position 4, which shows nine
// tenths on the standard spinner, its close-up is the built quarter's.
TEST_F(Golden, TableOfALessonSpun) {
    Harness lesson(4);
    const Deck deck = *lessonDeck({0.5, 0.25}, {CardKind::Decimal, CardKind::Tile});
    lesson.table.open(TableStart::Deal, GameSettings{false, deck});
    lesson.clock.advance(timerInterval(TimerId::DealDelay));
    lesson.spinTo(4);
    EXPECT_EQ(lesson.w<PictureBox>(QStringLiteral("closeup"))->pictureName().toStdString(),
              "Images\\zandolic10.jpg");
    looksLikeGolden(lesson.table.window(), "table-lesson-spun");
    // The standard spinner keeps the files the build drew.
    Harness standard(4);
    standard.startNewGame();
    standard.spinTo(4);
    EXPECT_EQ(standard.w<PictureBox>(QStringLiteral("dial"))->pictureName().toStdString(),
              "Images\\zandolit04.jpg");
    EXPECT_EQ(standard.w<PictureBox>(QStringLiteral("closeup"))->pictureName().toStdString(),
              "Images\\zandolic04.jpg");
}

// Each dial of a spin painted as a step, over the wheel, is the dial painted
// whole, at full screen's scale on 1920 x 1080: the lit segment's glow and
// the pointer's shadow fall inside what a step paints. Likewise the dial at
// rest.
TEST_F(Golden, PaintedStepsAreTheWholeDial) {
    const double scale = 1.40625;
    units::setScale(scale);
    const SpinnerValues spinner =
        lessonDeck({0.3, 0.75}, {CardKind::Percent, CardKind::Tile})->spinner;
    for (int position = -1; position < SPIN_POSITIONS; ++position) {
        const QImage step =
            dialArt::dial(spinner, position < 0 ? std::nullopt : std::optional(position))
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(step.size(), QSize(563, 563));
        QImage whole(step.size(), QImage::Format_RGB32);
        whole.fill(look::TABLE);
        QPainter painter(&whole);
        painter.scale(scale, scale);
        paintDial(painter, DialScene{std::max(position, 0), position, true, spinner});
        painter.end();
        const QImage diff = difference(step, whole);
        EXPECT_TRUE(alike(diff)) << differing(diff) << " pixels differ at position " << position;
    }
    units::setScale(1);
}

// The results of the planted game of two (three kinds of mistake and a
// miss for Blue; a miss and a tenth away for Ana), in English and in French.
TEST_F(Golden, ResultsInEnglishAndFrench) {
    // A record of this test's own: the planted game and nothing before it.
    const DataHome home;
    {
        RecordStore store;
        plantGame(store);
    }
    ScreenRegistry screens;
    for (const char* code : {"en", "fr"}) {
        language::use(QString::fromLatin1(code), QLocale::c());
        screens.results().unload();
        screens.results().showLatest();
        looksLikeGolden(screens.results().window(), QStringLiteral("results-%1").arg(code));
    }
    language::use(QStringLiteral("en"), QLocale::c());
}

// The teacher's report of Ana over the planted game and the same a week
// later, its first page as poppler's pdftoppm draws it, in English and French.
TEST_F(Golden, ReportFirstPageInEnglishAndFrench) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) {
        GTEST_SKIP() << "no pdftoppm (Debian package poppler-utils)";
    }
    QTemporaryDir data;
    const QString record = data.path() + "/record.sqlite";
    {
        RecordStore store(record);
        plantGame(store);
        plantGame(store, PLANTED_START_MS + 7 * 86'400'000);
    }
    for (const char* code : {"en", "fr"}) {
        language::use(QString::fromLatin1(code), QLocale::c());
        const QString pdf = data.path() + "/report.pdf";
        ASSERT_TRUE(writeTeacherReport(record, pdf, report::Period{}, "Ana").ok);
        QProcess draw;
        draw.start(pdftoppm, {"-r", "60", "-png", "-f", "1", "-l", "1", "-singlefile", pdf,
                              data.path() + "/page"});
        ASSERT_TRUE(draw.waitForFinished(30000));
        looksLikeGolden(QImage(data.path() + "/page.png"), QStringLiteral("report-%1").arg(code));
    }
    language::use(QStringLiteral("en"), QLocale::c());
}

}  // namespace
}  // namespace zandoli::testing

// The teacher's report on paper: a page for each pupil in the game's
// language, read back with poppler's pdftotext as a reader of the PDF sees
// it; the report screen that shows those pages and saves them; and the
// command line that writes them and the other exports.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "language/Language.h"
#include "record/RecordStore.h"
#include "screens/CommandLine.h"
#include "screens/ReportScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/TeacherReport.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/PlantedGame.h"

namespace zandoli::testing {
namespace {

class Report : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        RecordStore store(record());
        plantGame(store);
        plantGame(store, PLANTED_START_MS + 7 * 86'400'000);
    }
    void TearDown() override { language::use(QStringLiteral("en"), QLocale::c()); }
    QString record() const { return dir_.path() + "/record.sqlite"; }
    QString path(const char* name) const { return dir_.path() + "/" + name; }
    // The PDF's text page by page, as pdftotext lays it out.
    static QStringList pages(const QString& pdf) {
        const QString tool = QStandardPaths::findExecutable("pdftotext");
        if (tool.isEmpty()) {
            return {"no pdftotext (Debian package poppler-utils)"};
        }
        QProcess text;
        text.start(tool, {"-layout", pdf, "-"});
        text.waitForFinished(20000);
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar(u'\f'));
        pages.removeAll(QString());
        return pages;
    }
    static std::string inOneLine(QString page) { return page.simplified().toStdString(); }

private:
    QTemporaryDir dir_;
};

TEST_F(Report, APageForEachPupilWithTheWeeksAndTheMistakesNamed) {
    const exchange::Outcome written =
        writeTeacherReport(record(), path("class.pdf"), report::Period{});
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.message.toStdString(),
              "wrote a page for each of 2 pupils to " + path("class.pdf").toStdString());
    const QStringList read = pages(path("class.pdf"));
    ASSERT_EQ(read.size(), 2) << read.join("|").toStdString();
    const std::string ana = inOneLine(read[0]);
    for (const char* said :
         {"Zandoli? — what Ana learned", "All games recorded: 2 games",
          "6 matched, 2 wrong, 2 missed, 6 spins", "Week by week",
          "Week of 7 December 2026: 3 matched, 1 wrong, 1 missed",
          "Week of 14 December 2026: 3 matched, 1 wrong, 1 missed (±0 matched, ±0 wrong, ±0 "
          "missed on the week before)",
          "Mistakes", "One tenth away from the value (twice)",
          "Passed by a card of the value (twice)"}) {
        EXPECT_NE(ana.find(said), std::string::npos) << said << "\nin: " << ana;
    }
    EXPECT_NE(inOneLine(read[1]).find("Zandoli? — what Blue learned"), std::string::npos);

    language::use(QStringLiteral("fr"), QLocale(QLocale::French, QLocale::France));
    ASSERT_TRUE(writeTeacherReport(record(), path("ana.pdf"), report::Period{}, "Ana").ok);
    const QStringList french = pages(path("ana.pdf"));
    ASSERT_EQ(french.size(), 1);
    const std::string ana_fr = inOneLine(french[0]);
    for (const char* said :
         {"Zandoli? — ce qu’a appris Ana", "Semaine après semaine",
          "Semaine du 14 décembre 2026 : trouvées 3, erreurs 1, oubliées 1 (trouvées ±0",
          "À un dixième de la valeur (deux fois)", "0,5", "50 %"}) {
        EXPECT_NE(ana_fr.find(said), std::string::npos) << said << "\nin: " << ana_fr;
    }
    const exchange::Outcome nobody =
        writeTeacherReport(record(), path("ben.pdf"), report::Period{}, "Ben");
    EXPECT_FALSE(nobody.ok);
    EXPECT_FALSE(QFile::exists(path("ben.pdf")));
}

// The screen with the file dialog answered and the clock fixed by the test.
class AnsweredReport : public ReportScreen {
public:
    using ReportScreen::ReportScreen;
    QString answer;
    QStringList asked;
    int64_t now = 0;

protected:
    QString chooseFile(const QString& title, const QString& suggested, const QString&) override {
        asked << title + ": " + suggested;
        return answer;
    }
    int64_t nowMs() const override { return now; }
};

// The pages as a screen reader finds them, by heading, and the choices offered.
std::string headings(QWidget* window) {
    QStringList read;
    for (const QWidget* page :
         window->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^page\\d+$")))) {
        read << page->accessibleName();
    }
    return read.join(" | ").toStdString();
}
std::string choices(QWidget* window, const char* name) {
    const auto* box = window->findChild<QComboBox*>(QString::fromLatin1(name));
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << (i == box->currentIndex() ? "[" + box->itemText(i) + "]" : box->itemText(i));
    }
    return items.join(" | ").toStdString();
}

TEST_F(Report, TheScreenShowsThePagesOfThePeriodAndPupilChosenAndSavesThem) {
    WorkingFolder folder;
    QFile::link(ZANDOLI_RUN_DIR "/Images", folder.path() + "/Images");
    ScreenRegistry screens;
    AnsweredReport report(screens, record());
    // An hour after the second game began, a week after the first.
    report.now = PLANTED_START_MS + 7 * 86'400'000 + 3'600'000;
    report.showReport();
    QWidget* window = report.window();
    const auto text = [window](const char* name) {
        const auto* label = window->findChild<ClickLabel*>(QString::fromLatin1(name));
        return label->isVisibleTo(window) ? label->text().toStdString() : "hidden";
    };
    EXPECT_EQ(choices(window, "periodChoice"),
              "Today | This Week | This Term (12 Weeks) | [All Games]");
    EXPECT_EQ(choices(window, "pupilChoice"), "[Every Pupil] | Ana | Blue");
    EXPECT_EQ(headings(window), "Zandoli? — what Ana learned | Zandoli? — what Blue learned");
    EXPECT_EQ(
        window->findChild<QWidget*>("page0")->accessibleDescription().toStdString(),
        "All games recorded: 2 games\n"
        "Ana: decimals: 0 matched, 2 wrong, 0 missed; percentages: 0 matched, 0 wrong, 2 "
        "missed; fractions: 2 matched, 0 wrong, 0 missed; tiles: 2 matched, 0 wrong, 0 "
        "missed; whole cards: 2 matched, 0 wrong, 0 missed. 6 spins.\n"
        "Week of 7 December 2026: 3 matched, 1 wrong, 1 missed\n"
        "Week of 14 December 2026: 3 matched, 1 wrong, 1 missed (±0 matched, ±0 wrong, ±0 "
        "missed on the week before)\n"
        "Missed twice: one half, as a percentage: 50 percent. The spinner showed half shaded.\n"
        "One tenth away from the value, twice. The spinner showed seven tenths shaded; "
        "pressed: three fifths, as a decimal: 0.6.");
    EXPECT_EQ(text("noPupils"), "hidden");

    // The pupil is chosen with the keys, and stays chosen through a period
    // that holds their games.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* pupil = window->findChild<QComboBox*>("pupilChoice");
    QTest::keyClick(pupil, Qt::Key_Down);
    QTest::keyClick(pupil, Qt::Key_Down);
    EXPECT_EQ(headings(window), "Zandoli? — what Blue learned");
    report.choosePeriod(report::PeriodKind::Today);
    EXPECT_EQ(choices(window, "pupilChoice"), "Every Pupil | Ana | [Blue]");
    EXPECT_EQ(report.shownPages(), 1);
    EXPECT_EQ(window->findChild<QWidget*>("page1")
                  ->accessibleDescription()
                  .section('\n', 0, 0)
                  .toStdString(),
              "Games since 15 December 2026: 1 game");

    // Saved as the screen shows it: Blue's page alone; the choices of the
    // period whoever made them; nothing when the teacher cancels.
    report.answer = path("screen.pdf");
    QTest::mouseClick(window->findChild<QWidget*>("savePdfButton"), Qt::LeftButton);
    EXPECT_EQ(text("saveStatus"),
              "Wrote a page for 1 pupil to " + path("screen.pdf").toStdString());
    const QStringList printed = pages(path("screen.pdf"));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_NE(inOneLine(printed[0]).find("Zandoli? — what Blue learned"), std::string::npos);
    report.answer.clear();
    QTest::mouseClick(window->findChild<QWidget*>("saveCsvButton"), Qt::LeftButton);
    EXPECT_EQ(text("saveStatus"),
              "Wrote a page for 1 pupil to " + path("screen.pdf").toStdString());
    report.answer = path("screen.csv");
    QTest::keySequence(window, QKeySequence::Save);
    QTest::mouseClick(window->findChild<QWidget*>("saveCsvButton"), Qt::LeftButton);
    EXPECT_EQ(text("saveStatus"), "Wrote 19 rows to " + path("screen.csv").toStdString());
    EXPECT_EQ(report.asked.join(" / ").toStdString(),
              "Save as PDF: Zandoli report.pdf / Save for a Spreadsheet: Zandoli choices.csv / "
              "Save as PDF: Zandoli report.pdf / Save for a Spreadsheet: Zandoli choices.csv");

    // A period with no game says so and offers nothing to save.
    report.now = PLANTED_START_MS + 30LL * 86'400'000;
    report.choosePeriod(report::PeriodKind::Week);
    EXPECT_EQ(report.shownPages(), 0);
    EXPECT_EQ(text("noPupils"), "No game was recorded in this period.");
    EXPECT_FALSE(window->findChild<QWidget*>("savePdfButton")->isEnabled());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(report.isLoaded());
}

// What `zandoli --export` and `--import` do, as run(), which main() calls
// with the program's arguments; the user's record is the test's own.
TEST_F(Report, TheCommandLineWritesByTheFilesEndingAndSaysWhatItDid) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", path("data").toUtf8());
    QDir().mkpath(path("data/zandoli"));
    QFile::copy(record(), path("data/zandoli/record.sqlite"));
    const auto run = [](QStringList arguments) {
        arguments.prepend("zandoli");
        return commandLine::run(arguments);
    };
    EXPECT_EQ(run({"--export", path("all.pdf")}), 0);
    EXPECT_EQ(pages(path("all.pdf")).size(), 2);
    EXPECT_EQ(run({"--export=" + path("ana.pdf"), "--pupil", "Ana", "--period", "all"}), 0);
    EXPECT_EQ(pages(path("ana.pdf")).size(), 1);
    EXPECT_EQ(run({"--export", path("rows.csv")}), 0);
    EXPECT_EQ(run({"--export", path("class.zandoli")}), 0);
    EXPECT_EQ(run({"--import", path("class.zandoli")}), 0);
    EXPECT_EQ(run({"--export", path("notes.txt")}), 2);
    EXPECT_EQ(run({"--export", path("x.pdf"), "--period", "month"}), 2);
    EXPECT_EQ(run({"--export"}), 2);
    EXPECT_EQ(run({"--import", path("rows.csv")}), 1);
    EXPECT_EQ(run({"--export", path("ben.pdf"), "--pupil", "Ben"}), 1);
    EXPECT_FALSE(QFile::exists(path("notes.txt")));
    EXPECT_FALSE(QFile::exists(path("ben.pdf")));
    qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
}  // namespace zandoli::testing

// The teacher's report on paper: a page for each pupil in the game's
// language, read back with poppler's pdftotext as a reader of the PDF sees
// it; and the command line that writes it and the other exports.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "language/Language.h"
#include "record/RecordStore.h"
#include "screens/CommandLine.h"
#include "screens/TeacherReport.h"
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

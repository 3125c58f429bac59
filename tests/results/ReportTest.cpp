// The teacher's report on paper: a page for each pupil in the game's
// language, read back with poppler's pdftotext as a reader of the PDF sees
// it; the report screen that shows those pages and saves them; and the
// command line that writes them and the other exports (report.txt); and
// all of them on a record that cannot be read (unreadable.txt).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "language/Language.h"
#include "record/RecordStore.h"
#include "results/ReportScreen.h"
#include "results/TeacherReport.h"
#include "screens/CommandLine.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

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

// A record of the planted game twice, a week apart, in a folder of its own;
// the steps are listed at the top of report.txt.
class ReportPlayer {
public:
    ReportPlayer() {
        RecordStore store(record());
        plantGame(store);
        plantGame(store, PLANTED_START_MS + 7 * 86'400'000);
    }
    ~ReportPlayer() { language::use(QStringLiteral("en"), QLocale::c()); }

    static const Vocabulary<ReportPlayer>& verbs() {
        static const Vocabulary<ReportPlayer> verbs(
            "the teacher's report (tests/results/ReportTest.cpp)",
            {{"pdf", "pdf ana.pdf Ana", "every pupil's page (or one pupil's): what was said",
              said(&ReportPlayer::pdf)},
             {"pages", "pages class.pdf", "how many pages pdftotext reads",
              said(&ReportPlayer::pageCount)},
             {"page", "page class.pdf 1 has TEXT", "whether the page says the text (or lacks it)",
              said(&ReportPlayer::page)},
             {"exists", "exists ben.pdf", "whether the file is there", said(&ReportPlayer::exists)},
             {"speak", "speak fr", "the game's language, on a French desktop",
              said(&ReportPlayer::speak)},
             {"now", "now 7 1", "the screen's clock 7 days and 1 hour after the first game",
              said(&ReportPlayer::now)},
             {"show", "show", "the report screen shown and active", said(&ReportPlayer::show)},
             {"period", "period Today", "a period chosen: Today, Week, Term or All",
              said(&ReportPlayer::period)},
             {"choices", "choices pupilChoice", "a list's items, the chosen one in brackets",
              said(&ReportPlayer::choices)},
             {"headings", "headings", "the pages a screen reader finds",
              said(&ReportPlayer::headings)},
             {"about", "about page0", "a page's description", said(&ReportPlayer::about)},
             {"first", "first page1", "a page's description's first line",
              said(&ReportPlayer::about)},
             {"shown", "shown", "the pages shown", said(&ReportPlayer::shown)},
             {"text", "text saveStatus", "a label's text, or \"hidden\"",
              said(&ReportPlayer::text)},
             {"enabled", "enabled savePdfButton", "whether a control can be used",
              said(&ReportPlayer::enabled)},
             {"key", "key Down on pupilChoice", "a key, to a control or to the window",
              said(&ReportPlayer::key)},
             {"click", "click savePdfButton", "a control clicked", said(&ReportPlayer::click)},
             {"answer", "answer screen.pdf", "what the file dialog answers next (none: cancel)",
              said(&ReportPlayer::answer)},
             {"asked", "asked", "what the dialogs asked, in order", said(&ReportPlayer::asked)},
             {"loaded", "loaded", "whether the screen is loaded", said(&ReportPlayer::loaded)},
             {"sql", "sql STATEMENT", "the statement run on the record by another program",
              said(&ReportPlayer::sql)},
             {"break", "break", "the record overwritten with what is no database",
              said(&ReportPlayer::breakRecord)},
             {"run", "run --export all.pdf", "the command line's exit code",
              said(&ReportPlayer::runCommand)}});
        return verbs;
    }

private:
    // What a step gives, the part's folder left out of the names.
    static Verb<ReportPlayer>::Act said(QString (ReportPlayer::*act)(const Step&)) {
        return [act](ReportPlayer& player, const Step& step) {
            return (player.*act)(step)
                .replace(player.folder_.path() + "/", QString())
                .toStdString();
        };
    }
    // Asking for the window of a screen that is not loaded would load it.
    QWidget* window() const { return screen_ && screen_->isLoaded() ? screen_->window() : nullptr; }
    QWidget* control(const Step& step) const {
        return window()->findChild<QWidget*>(QString::fromStdString(step.word(0)));
    }
    QString file(const Step& step) const { return path(QString::fromStdString(step.word(0))); }
    QString pdf(const Step& step) {
        const exchange::Outcome written = writeTeacherReport(record(), file(step), report::Period{},
                                                             QString::fromStdString(step.rest(1)));
        return (written.ok ? "" : "failed: ") + written.message;
    }
    QString pageCount(const Step& step) { return QString::number(pages(file(step)).size()); }
    // "page F N has TEXT", or "lacks TEXT".
    QString page(const Step& step) {
        const QStringList read = pages(file(step));
        const int n = std::stoi(step.word(1)) - 1;
        const bool says =
            n < read.size() && read[n].simplified().contains(QString::fromStdString(step.rest(3)));
        return says == (step.word(2) == "has") ? "yes"
                                               : "no, it says: " + read.value(n).simplified();
    }
    QString exists(const Step& step) { return QFile::exists(file(step)) ? "yes" : "no"; }
    QString speak(const Step& step) {
        language::use(QString::fromStdString(step.word(0)),
                      QLocale(QLocale::French, QLocale::France));
        return "";
    }
    void load() {
        if (!screen_) {
            QFile::link(ZANDOLI_RUN_DIR "/Images", working_.path() + "/Images");
            screen_ = std::make_unique<AnsweredReport>(record());
            // Back and Escape ask to close, and the registry would unload it.
            QObject::connect(screen_.get(), &Screen::closeRequested, screen_.get(),
                             &Screen::unload);
        }
    }
    QString now(const Step& step) {
        load();
        screen_->now = PLANTED_START_MS + step.number(0) * 86'400'000 + step.number(1) * 3'600'000;
        return "";
    }
    QString show(const Step&) {
        load();
        screen_->showReport();
        screen_->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen_->window()));
        return "";
    }
    QString period(const Step& step) {
        const std::string a = step.word(0);
        screen_->choosePeriod(a == "Today"  ? report::PeriodKind::Today
                              : a == "Week" ? report::PeriodKind::Week
                              : a == "Term" ? report::PeriodKind::Term
                                            : report::PeriodKind::All);
        return "";
    }
    QString choices(const Step& step) {
        return QString::fromStdString(zandoli::testing::choices(window(), step.word(0).c_str()));
    }
    QString headings(const Step&) {
        return QString::fromStdString(zandoli::testing::headings(window()));
    }
    QString about(const Step& step) {
        const QString about = control(step)->accessibleDescription();
        return step.verb() == "first" ? about.section('\n', 0, 0)
                                      : QString(about).replace('\n', " / ");
    }
    QString shown(const Step&) { return QString::number(screen_->shownPages()); }
    QString text(const Step& step) {
        const auto* label = window()->findChild<ClickLabel*>(QString::fromStdString(step.word(0)));
        return label->isVisibleTo(window()) ? label->text() : "hidden";
    }
    QString enabled(const Step& step) { return control(step)->isEnabled() ? "yes" : "no"; }
    QString key(const Step& step) {
        const std::string on = step.rest(1);
        QWidget* to = on.empty() ? window() : window()->findChild<QWidget*>(on.substr(3).c_str());
        const QKeyCombination key = QKeySequence(QString::fromStdString(step.word(0)))[0];
        QTest::keyClick(to, key.key(), key.keyboardModifiers());
        return "";
    }
    QString click(const Step& step) {
        QTest::mouseClick(control(step), Qt::LeftButton);
        return "";
    }
    QString answer(const Step& step) {
        screen_->answer = step.size() ? file(step) : QString();
        return "";
    }
    QString asked(const Step&) { return screen_->asked.join(" / "); }
    QString loaded(const Step&) { return screen_->isLoaded() ? "yes" : "no"; }
    QString sql(const Step& step) {
        return QString::fromStdString(runSql(record(), {QString::fromStdString(step.rest(0))}));
    }
    QString breakRecord(const Step&) {
        EXPECT_TRUE(writeBytes(record(), "this is no database\n"));
        return "";
    }
    QString runCommand(const Step& step) {
        return QString::number(run(QString::fromStdString(step.text()).split(' ').mid(1)));
    }
    QString record() const { return folder_.path() + "/record.sqlite"; }
    QString path(const QString& name) const { return folder_.path() + "/" + name; }
    // The PDF's text page by page, as pdftotext lays it out.
    static QStringList pages(const QString& pdf) {
        QProcess text;
        text.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
        text.waitForFinished(20000);
        QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar(u'\f'));
        pages.removeAll(QString());
        return pages;
    }
    // What `zandoli --export` and `--import` do, read and run as main() reads
    // and runs the program's arguments; the user's record is a copy of the part's.
    int run(QStringList arguments) {
        if (QDir().mkpath(path("data/zandoli"))) {
            QFile::copy(record(), path("data/zandoli/record.sqlite"));
            qputenv("XDG_DATA_HOME", path("data").toUtf8());
        }
        for (QString& argument : arguments) {
            if (argument.contains('.')) {
                const qsizetype equals = argument.indexOf('=') + 1;
                argument.insert(equals, folder_.path() + "/");
            }
        }
        arguments.prepend("zandoli");
        const commandLine::Reading reading = commandLine::read(arguments);
        return reading.request ? commandLine::runWithoutWindow(*reading.request) : 2;
    }

    QTemporaryDir folder_;
    DataHome home_;  // run() moves it into the folder
    WorkingFolder working_;
    std::unique_ptr<AnsweredReport> screen_;
};

// Each part ends as its steps say, and a record that cannot be read says so
// (unreadable.txt).
[[maybe_unused]] const bool reportRegistered =
    registerTranscript<ReportPlayer>(ZANDOLI_TRANSCRIPTS "/report.txt") &&
    registerTranscript<ReportPlayer>(ZANDOLI_TRANSCRIPTS "/unreadable.txt");

}  // namespace
}  // namespace zandoli::testing

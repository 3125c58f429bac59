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

    std::string play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, a, b;
        in >> verb >> a >> std::ws;
        std::getline(in, b);
        const QString name = QString::fromStdString(a);
        // Asking for the window of a screen that is not loaded would load it.
        QWidget* window = screen_ && screen_->isLoaded() ? screen_->window() : nullptr;
        QString answer;
        if (verb == "pdf") {
            const exchange::Outcome written = writeTeacherReport(
                record(), path(name), report::Period{}, QString::fromStdString(b));
            answer = (written.ok ? "" : "failed: ") + written.message;
        } else if (verb == "pages") {
            answer = QString::number(pages(path(name)).size());
        } else if (verb == "page") {
            const std::string has = b.substr(b.find(" has ") + 5);
            const QStringList read = pages(path(name));
            const int n = std::stoi(b) - 1;
            answer = n < read.size() && read[n].simplified().contains(QString::fromStdString(has))
                         ? "yes"
                         : "no, it says: " + read.value(n).simplified();
        } else if (verb == "exists") {
            answer = QFile::exists(path(name)) ? "yes" : "no";
        } else if (verb == "speak") {
            language::use(name, QLocale(QLocale::French, QLocale::France));
        } else if (verb == "now" || verb == "show") {
            if (!screen_) {
                QFile::link(ZANDOLI_RUN_DIR "/Images", working_.path() + "/Images");
                screen_ = std::make_unique<AnsweredReport>(record());
                // Back and Escape ask to close, and the registry would unload it.
                QObject::connect(screen_.get(), &Screen::closeRequested, screen_.get(),
                                 &Screen::unload);
            }
            if (verb == "now") {
                screen_->now =
                    PLANTED_START_MS + std::stoll(a) * 86'400'000 + std::stoll(b) * 3'600'000;
                return "";
            }
            screen_->showReport();
            screen_->window()->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(screen_->window()));
        } else if (verb == "period") {
            screen_->choosePeriod(a == "Today"  ? report::PeriodKind::Today
                                  : a == "Week" ? report::PeriodKind::Week
                                  : a == "Term" ? report::PeriodKind::Term
                                                : report::PeriodKind::All);
        } else if (verb == "choices") {
            return choices(window, a.c_str());
        } else if (verb == "headings") {
            return headings(window);
        } else if (verb == "about" || verb == "first") {
            answer = window->findChild<QWidget*>(name)->accessibleDescription();
            answer = verb == "first" ? answer.section('\n', 0, 0) : answer.replace('\n', " / ");
        } else if (verb == "shown") {
            answer = QString::number(screen_->shownPages());
        } else if (verb == "text") {
            const auto* label = window->findChild<ClickLabel*>(name);
            answer = label->isVisibleTo(window) ? label->text() : "hidden";
        } else if (verb == "enabled") {
            answer = window->findChild<QWidget*>(name)->isEnabled() ? "yes" : "no";
        } else if (verb == "key") {
            QWidget* to = b.empty() ? window : window->findChild<QWidget*>(b.substr(3).c_str());
            const QKeyCombination key = QKeySequence(name)[0];
            QTest::keyClick(to, key.key(), key.keyboardModifiers());
        } else if (verb == "click") {
            QTest::mouseClick(window->findChild<QWidget*>(name), Qt::LeftButton);
        } else if (verb == "answer") {
            screen_->answer = a.empty() ? QString() : path(name);
        } else if (verb == "asked") {
            answer = screen_->asked.join(" / ");
        } else if (verb == "loaded") {
            answer = screen_->isLoaded() ? "yes" : "no";
        } else if (verb == "break") {
            EXPECT_TRUE(writeBytes(record(), "this is no database\n"));
        } else if (verb == "run") {
            answer = QString::number(run(QString::fromStdString(step).split(' ').mid(1)));
        } else {
            throw std::invalid_argument(step);
        }
        return answer.replace(folder_.path() + "/", QString()).toStdString();
    }

private:
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

TEST(Report, EachPartEndsAsItsStepsSay) {
    playParts<ReportPlayer>(ZANDOLI_TRANSCRIPTS "/report.txt");
}

TEST(Report, ARecordThatCannotBeReadSaysSo) {
    playParts<ReportPlayer>(ZANDOLI_TRANSCRIPTS "/unreadable.txt");
}

}  // namespace
}  // namespace zandoli::testing

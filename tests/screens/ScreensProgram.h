#pragma once

#include <QApplication>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Choices.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "results/ReportScreen.h"
#include "screens/ScreenRegistry.h"
#include "tests/platform/SoundLog.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Vocabulary.h"

namespace zandoli {

// A run of the program in a fresh working folder holding the two pictures,
// played one step of screens.txt at a time. It takes the files the desktop
// is asked to open.
class Program : public QObject {
    Q_OBJECT

public:
    Program();
    ~Program() override;

    // The verbs are listed at the top of screens.txt too.
    static const testing::Vocabulary<Program>& verbs();

public slots:
    void open(const QUrl& url) { opened_ << url.toLocalFile(); }

private:
    using Step = testing::Step;
    // A window closed at the step before is gone, as it soon is for a player.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // A step that acts, and gives what is seen().
    static testing::Verb<Program>::Act acts(void (Program::*act)(const Step&));
    // A question, which gives its answer.
    static testing::Verb<Program>::Act asks(std::string (Program::*ask)(const Step&));
    // The rest of the part is for one display, or for a build naming no web address.
    static testing::Seen only(const Step& step);
    QWidget* control(const Step& step) { return control(step.word(0), step.word(1)); }
    std::string gameState(const Step&);
    std::string saved(const Step&);
    std::string session(const Step&) { return screens_->saveRunningGame() ? "saved" : "nothing"; }
    std::string where(const Step& step);
    std::string visible(const Step& step) {
        return control(step)->isVisible() ? "shown" : "hidden";
    }
    std::string enabled(const Step& step) { return control(step)->isEnabled() ? "yes" : "no"; }
    std::string ticked(const Step& step);
    std::string name(const Step& step);
    // A shortcut needs its window active, as a player's would be.
    void key(const Step& step);
    void show(const Step& step) { screen(step.word(0)).show(); }
    void click(const Step& step) { QTest::mouseClick(control(step), Qt::LeftButton); }
    void close(const Step& step) { screen(step.word(0)).window()->close(); }
    void leave(const Step& step) { screens_->leaveTable(screen(step.word(0)), false); }
    // Dealt in pack order, the last colour to play.
    void save(const Step& step);
    void plant(const Step& step);
    void breakRecord(const Step&);
    // The text between the quotes, with \t and \n for a tab and a new line.
    void type(const Step& step);
    // A box's text, or its hint in brackets while empty.
    std::string text(const Step& step);
    std::string names(const Step&) {
        return playerNames(4).join(QLatin1String(" | ")).toStdString();
    }
    std::string seats(const Step&);
    void answer(const Step& step);
    // This user's lesson as its file is written, its lines joined by " / ".
    std::string lesson(const Step&);
    std::string dialog(const Step&) {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal == nullptr ? "none" : modal->objectName().toStdString();
    }
    void kiosk(const Step&) { choices::setKiosk(true); }
    std::string pages(const Step&) { return std::to_string(screens_->report().shownPages()); }
    std::string scale(const Step&) { return QString::number(units::scale()).toStdString(); }
    void fullScreen(const Step&) { screens_->switchFullScreen(); }
    void remove(const Step& step);
    void set(const Step& step);
    void install(const Step&);

    std::vector<Screen*> all();
    Screen& screen(const std::string& name);
    QWidget* control(const std::string& screen, const std::string& name);
    // The screens open, a star on those shown since the last step, then the
    // sounds heard, the files opened and the end of the program.
    std::string seen();

    testing::DataHome home_;
    WorkingFolder folder_;
    QTemporaryDir installed_;
    testing::SoundLog sounds_;
    QStringList opened_;
    std::unique_ptr<ScreenRegistry> screens_;
    std::set<Screen*> shown_;
    bool ended_ = false;
    QTimer answerer_;
    QString answer_;
    std::string asked_;
};

}  // namespace zandoli

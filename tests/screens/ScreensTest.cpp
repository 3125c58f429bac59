// The way through the screens as a transcript (screens.txt): title, set-up,
// rules, a table and back, the results, the names, the lesson and full
// screen, with the screens open, the clicks heard, the questions asked, the
// saves written and the pages opened after each step.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>
#include <numeric>
#include <set>
#include <sstream>

#include "engine/Pack.h"
#include "platform/Choices.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "record/RecordStore.h"
#include "results/ReportScreen.h"
#include "results/ResultsScreen.h"
#include "savegame/SaveFile.h"
#include "screens/Backdrop.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"
#include "table/TableScreen.h"
#include "tests/platform/SoundLog.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Transcript.h"

namespace zandoli {
namespace {

// Words and numbers, spaced.
std::string words(const QVariantList& items) {
    QStringList texts;
    for (const QVariant& item : items) {
        texts << item.toString();
    }
    return texts.join(' ').toStdString();
}

// A run of the program in a fresh working folder holding the two pictures,
// played one step of the transcript at a time. It takes the files the
// desktop is asked to open.
class Program : public QObject {
    Q_OBJECT

public:
    Program() {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        folder_.writePicture(QStringLiteral("Images/opening.jpg"), QSize(320, 240));
        folder_.writePicture(QStringLiteral("Images/logo2.jpg"), QSize(100, 139));
        screens_ = std::make_unique<ScreenRegistry>();
        for (Screen* screen : all()) {
            QObject::connect(screen, &Screen::shown, screen,
                             [this, screen] { shown_.insert(screen); });
        }
        QObject::connect(screens_.get(), &ScreenRegistry::programEnded, [this] { ended_ = true; });
        // A question is answered as "answer" told, once it is asked.
        QObject::connect(&answerer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answerer_.stop();
                asked_ += " | asked " + box->windowTitle().toStdString();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text().remove('&') == answer_) {
                        button->click();
                    }
                }
            }
        });
    }
    ~Program() override {
        setPlayerNames({"", "", "", ""});
        choices::setKiosk(false);
        choices::setLesson(everyValueLesson());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        screens_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The verbs are listed at the top of screens.txt.
    std::optional<std::string> play(const std::string& step) {
        // A window closed at the step before is gone, as it soon is for a player.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::istringstream in(step);
        std::string verb, a, b;
        in >> verb >> a >> b;
        GameState& state = screens_->state();
        if (verb == "only") {
            // The rest of the part is for one display, or for a build naming
            // no web address.
            const bool here = a == (displayTwips().width() > 12000 ? "1280x1024" : "800x600") ||
                              a == (websiteAddress().isEmpty() ? "about-page" : "web-address");
            return here ? std::optional<std::string>("") : std::nullopt;
        } else if (verb == "state") {
            return words({"players", state.numPlayers, "sound", state.playSound, "desktop",
                          screens_->hideDesktop, "start",
                          // Asked of a closed title, the caption would open it.
                          screens_->title().isLoaded() ? screens_->title().startCaption() : "-"});
        } else if (verb == "saved") {
            GameState read;
            if (!savegame::readSave("lastgame.inf", read)) {
                return "nothing";
            }
            std::string saved = words({"players", read.numPlayers, "colour", read.colour, "holds"});
            for (int slot = 0; slot < read.handSize[read.colour]; ++slot) {
                saved += " " + std::to_string(read.hand[read.colour][slot]);
            }
            return saved;
        } else if (verb == "session") {
            return screens_->saveRunningGame() ? "saved" : "nothing";
        } else if (verb == "where") {
            const QRect at = screen(a).window()->geometry();
            return words({at.x(), at.y(), at.width(), at.height()});
        } else if (verb == "visible") {
            return control(a, b)->isVisible() ? "shown" : "hidden";
        } else if (verb == "enabled") {
            return control(a, b)->isEnabled() ? "yes" : "no";
        } else if (verb == "ticked") {
            return qobject_cast<QAbstractButton*>(control(a, b))->isChecked() ? "yes" : "no";
        } else if (verb == "name") {
            return QAccessible::queryAccessibleInterface(control(a, b))
                ->text(QAccessible::Name)
                .replace('\n', QStringLiteral(" / "))
                .toStdString();
        } else if (verb == "key") {
            // A shortcut needs its window active, as a player's would be.
            screen(a).window()->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(screen(a).window()));
            QTest::keySequence(screen(a).window(), QKeySequence(QString::fromStdString(b)));
        } else if (verb == "show") {
            screen(a).show();
        } else if (verb == "click") {
            QTest::mouseClick(control(a, b), Qt::LeftButton);
        } else if (verb == "close") {
            screen(a).window()->close();
        } else if (verb == "leave") {
            screens_->leaveTable(screen(a), false);
        } else if (verb == "save") {
            // Dealt in pack order, the last colour to play.
            GameState game;
            game.numPlayers = static_cast<int16_t>(std::stoi(a));
            game.playSound = static_cast<int16_t>(std::stoi(b));
            game.colour = static_cast<int16_t>(game.numPlayers - 1);
            PackOrder pack;
            std::iota(pack.begin(), pack.end(), int16_t{0});
            clearHands(game);
            dealHands(game, pack);
            EXPECT_TRUE(savegame::writeSave(game, "lastgame.inf"));
        } else if (verb == "plant") {
            RecordStore store;
            testing::plantGame(store);
            if (a == "alone") {  // a game of one after it, left after its first spin
                const int64_t at = testing::PLANTED_START_MS + 800000;
                store.gameStarted({.atMs = at, .players = 1, .onePlayer = true});
                store.recorded({.atMs = at + 1000, .position = 6});
            }
        } else if (verb == "break") {
            EXPECT_TRUE(QDir().mkpath(QFileInfo(RecordStore::userPath()).path()));
            EXPECT_TRUE(testing::writeBytes(RecordStore::userPath(), "this is no database\n"));
        } else if (verb == "type") {
            // The text between the quotes, with \t and \n for a tab and a new line.
            QString text = QString::fromStdString(step).section('"', 1, -2);
            text.replace(QLatin1String("\\t"), QLatin1String("\t"))
                .replace(QLatin1String("\\n"), QLatin1String("\n"));
            qobject_cast<QLineEdit*>(control(a, b))->setText(text);
        } else if (verb == "text") {  // a box's text, or its hint in brackets while empty
            const auto* box = qobject_cast<QLineEdit*>(control(a, b));
            return (box->text().isEmpty() ? "(" + box->placeholderText() + ")" : box->text())
                .toStdString();
        } else if (verb == "names") {
            return playerNames(4).join(QLatin1String(" | ")).toStdString();
        } else if (verb == "seats") {
            return testing::joined(
                testing::readRows(RecordStore::userPath(), "SELECT colour, name FROM seat"));
        } else if (verb == "answer") {
            answer_ = QString::fromStdString(a);
            answerer_.start(0);
        } else if (verb == "lesson") {
            return QString::fromStdString(writeLesson(choices::lesson()))
                .trimmed()
                .replace('\n', QStringLiteral(" / "))
                .toStdString();
        } else if (verb == "dialog") {
            const QWidget* modal = QApplication::activeModalWidget();
            return modal == nullptr ? "none" : modal->objectName().toStdString();
        } else if (verb == "kiosk") {
            choices::setKiosk(true);
        } else if (verb == "pages") {
            return std::to_string(screens_->report().shownPages());
        } else if (verb == "scale") {
            return QString::number(units::scale()).toStdString();
        } else if (verb == "fullscreen") {
            screens_->switchFullScreen();
        } else if (verb == "remove") {
            QFile::remove(QString::fromStdString(a));
            forgetPictures();
        } else if (verb == "set") {
            (a == "sound"     ? state.playSound
             : a == "players" ? state.numPlayers
                              : screens_->hideDesktop) = static_cast<int16_t>(std::stoi(b));
        } else if (verb == "install") {
            const QString here = QDir::currentPath();
            EXPECT_TRUE(QDir(installed_.path()).mkdir(QStringLiteral("Images")));
            EXPECT_TRUE(QDir(here + "/Images").removeRecursively());
            EXPECT_TRUE(QFile::link(installed_.path() + "/Images", here + "/Images"));
        } else {
            throw std::invalid_argument("no step " + step);
        }
        return seen();
    }

public slots:
    void open(const QUrl& url) { opened_ << url.toLocalFile(); }

private:
    std::vector<Screen*> all() {
        return {&screens_->title(), &screens_->backdrop(),      &screens_->setup(),
                &screens_->rules(), &screens_->results(),       &screens_->report(),
                &screens_->table(), &screens_->onePlayerTable()};
    }
    Screen& screen(const std::string& name) {
        for (Screen* screen : all()) {
            if (screen->name().toStdString() == name) {
                return *screen;
            }
        }
        throw std::invalid_argument("no screen " + name);
    }
    QWidget* control(const std::string& screen, const std::string& name) {
        auto* found =
            this->screen(screen).window()->findChild<QWidget*>(QString::fromStdString(name));
        if (found == nullptr) {
            throw std::invalid_argument("no control " + name);
        }
        return found;
    }
    // The screens open, a star on those shown since the last step, then the
    // sounds heard, the files opened and the end of the program.
    std::string seen() {
        const std::set<Screen*> shown = std::exchange(shown_, {});
        std::string seen;
        for (Screen* screen : all()) {
            if (screen->isLoaded()) {
                seen += screen->name().toStdString() + (shown.count(screen) ? "* " : " ");
            }
        }
        seen += "|";
        for (const QString& sound : std::exchange(sounds_.started, {})) {
            seen += " " + sound.toStdString();
        }
        const QString here = QFileInfo(folder_.path()).canonicalFilePath();
        const QString installed = QFileInfo(installed_.path()).canonicalFilePath();
        for (QString path : std::exchange(opened_, {})) {
            seen += " | opened " +
                    path.replace(installed, "<installed>").replace(here, "<here>").toStdString();
        }
        seen += std::exchange(asked_, {});
        return seen + (std::exchange(ended_, false) ? " | ended" : "");
    }

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

TEST(Screens, TheWayThroughTheScreens) {
    testing::playParts<Program>(ZANDOLI_TRANSCRIPTS "/screens.txt");
}

}  // namespace
}  // namespace zandoli

#include "ScreensTest.moc"

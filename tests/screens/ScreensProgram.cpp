// The program as screens.txt plays it: the verbs, and what each step does
// and shows.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <numeric>

#include "engine/Pack.h"
#include "platform/Platform.h"
#include "record/RecordStore.h"
#include "results/ReportScreen.h"
#include "results/ResultsScreen.h"
#include "savegame/SaveFile.h"
#include "screens/Backdrop.h"
#include "screens/RulesScreen.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"
#include "table/TableScreen.h"
#include "tests/record/PlantedGame.h"
#include "tests/screens/ScreensProgram.h"

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

}  // namespace

Program::Program() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    folder_.writePicture(QStringLiteral("Images/opening.jpg"), QSize(320, 240));
    folder_.writePicture(QStringLiteral("Images/logo2.jpg"), QSize(100, 139));
    screens_ = std::make_unique<ScreenRegistry>();
    for (Screen* screen : all()) {
        QObject::connect(screen, &Screen::shown, screen, [this, screen] { shown_.insert(screen); });
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

Program::~Program() {
    setPlayerNames({"", "", "", ""});
    choices::setKiosk(false);
    choices::setLesson(everyValueLesson());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    screens_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const testing::Vocabulary<Program>& Program::verbs() {
    static const testing::Vocabulary<Program> verbs(
        "the program (tests/screens/ScreensProgram.cpp)",
        {{"only", "only 800x600", "the rest of the part only on that display (or about-page)",
          [](Program&, const Step& step) { return only(step); }},
         {"state", "state", "players, sound, Hide Desktop, the start caption",
          asks(&Program::gameState)},
         {"saved", "saved", "the game in lastgame.inf", asks(&Program::saved)},
         {"session", "session", "what the end of the session saved", asks(&Program::session)},
         {"where", "where title", "a screen's window", asks(&Program::where)},
         {"visible", "visible setup X", "whether a control shows", asks(&Program::visible)},
         {"enabled", "enabled results X", "whether a control can be used", asks(&Program::enabled)},
         {"ticked", "ticked setup X", "whether a box is ticked", asks(&Program::ticked)},
         {"name", "name setup X", "what a screen reader calls a control", asks(&Program::name)},
         {"key", "key results Escape", "a key pressed on a screen", acts(&Program::key)},
         {"show", "show title", "a screen shown", acts(&Program::show)},
         {"click", "click setup rulesButton", "a control clicked", acts(&Program::click)},
         {"close", "close table", "a screen's window closed", acts(&Program::close)},
         {"leave", "leave table", "a table left, as a won game leaves it", acts(&Program::leave)},
         {"save", "save 3 0", "a dealt game of 3 players, sound off, as lastgame.inf",
          acts(&Program::save)},
         {"plant", "plant alone",
          "the planted game (and a game of one after it; \"lesson\": of a lesson)",
          acts(&Program::plant)},
         {"break", "break", "the record overwritten by a line of text",
          acts(&Program::breakRecord)},
         {"type", "type setup name0 \"Ana\\tMaria\"", "a box's new text (\\t, \\n)",
          acts(&Program::type)},
         {"text", "text setup name0", "a box's text, or its hint in brackets",
          asks(&Program::text)},
         {"names", "names", "the names the set-up keeps", asks(&Program::names)},
         {"seats", "seats", "the names of the last game in the record", asks(&Program::seats)},
         {"answer", "answer No", "the next question asked, answered", acts(&Program::answer)},
         {"lesson", "lesson", "this user's lesson, as its file", asks(&Program::lesson)},
         {"dialog", "dialog", "the dialog open over the screens, or \"none\"",
          asks(&Program::dialog)},
         {"kiosk", "kiosk", "the program locked as by --kiosk", acts(&Program::kiosk)},
         {"pages", "pages report", "the report's pages shown", asks(&Program::pages)},
         {"scale", "scale", "the scale screens are drawn at", asks(&Program::scale)},
         {"fullscreen", "fullscreen", "full screen switched on or off", acts(&Program::fullScreen)},
         {"remove", "remove FILE", "a file removed", acts(&Program::remove)},
         {"set", "set sound 0", "sound, players or desktop set", acts(&Program::set)},
         {"install", "install", "the Images folder a link to an installed one",
          acts(&Program::install)}});
    return verbs;
}

testing::Verb<Program>::Act Program::acts(void (Program::*act)(const Step&)) {
    return [act](Program& program, const Step& step) {
        settle();
        (program.*act)(step);
        return program.seen();
    };
}

testing::Verb<Program>::Act Program::asks(std::string (Program::*ask)(const Step&)) {
    return [ask](Program& program, const Step& step) {
        settle();
        return (program.*ask)(step);
    };
}

testing::Seen Program::only(const Step& step) {
    settle();
    const std::string a = step.word(0);
    const bool here = a == (displayTwips().width() > 12000 ? "1280x1024" : "800x600") ||
                      a == (websiteAddress().isEmpty() ? "about-page" : "web-address");
    return here ? testing::Seen("") : std::nullopt;
}

std::string Program::gameState(const Step&) {
    GameState& state = screens_->state();
    return words({"players", state.numPlayers, "sound", state.playSound, "desktop",
                  screens_->hideDesktop, "start",
                  // Asked of a closed title, the caption would open it.
                  screens_->title().isLoaded() ? screens_->title().startCaption() : "-"});
}

std::string Program::saved(const Step&) {
    GameState read;
    if (!savegame::readSave("lastgame.inf", read)) {
        return "nothing";
    }
    std::string saved = words({"players", read.numPlayers, "colour", read.colour, "holds"});
    for (int slot = 0; slot < read.handSize[read.colour]; ++slot) {
        saved += " " + std::to_string(read.hand[read.colour][slot]);
    }
    return saved;
}

std::string Program::where(const Step& step) {
    const QRect at = screen(step.word(0)).window()->geometry();
    return words({at.x(), at.y(), at.width(), at.height()});
}

std::string Program::ticked(const Step& step) {
    return qobject_cast<QAbstractButton*>(control(step))->isChecked() ? "yes" : "no";
}

std::string Program::name(const Step& step) {
    return QAccessible::queryAccessibleInterface(control(step))
        ->text(QAccessible::Name)
        .replace('\n', QStringLiteral(" / "))
        .toStdString();
}

void Program::key(const Step& step) {
    QWidget* window = screen(step.word(0)).window();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, QKeySequence(QString::fromStdString(step.word(1))));
}

void Program::save(const Step& step) {
    GameState game;
    game.numPlayers = static_cast<int16_t>(step.number(0));
    game.playSound = static_cast<int16_t>(step.number(1));
    game.colour = static_cast<int16_t>(game.numPlayers - 1);
    PackOrder pack;
    std::iota(pack.begin(), pack.end(), int16_t{0});
    clearHands(game);
    dealHands(game, pack);
    EXPECT_TRUE(savegame::writeSave(game, "lastgame.inf"));
}

void Program::plant(const Step& step) {
    RecordStore store;
    testing::plantGame(store);
    // A game of one after it, left after its first spin; of a lesson's, if asked.
    if (step.word(0) == "alone" || step.word(0) == "lesson") {
        const int64_t at = testing::PLANTED_START_MS + 800000;
        GameStart alone{.atMs = at, .players = 1, .onePlayer = true};
        if (step.word(0) == "lesson") {
            alone.lesson = "name = Halves\nvalues = 1/2, 1/4\n";
            alone.lessonName = "Halves";
        }
        store.gameStarted(alone);
        store.recorded({.atMs = at + 1000, .position = 6});
    }
}

void Program::type(const Step& step) {
    QString text = QString::fromStdString(step.text()).section('"', 1, -2);
    text.replace(QLatin1String("\\t"), QLatin1String("\t"))
        .replace(QLatin1String("\\n"), QLatin1String("\n"));
    qobject_cast<QLineEdit*>(control(step))->setText(text);
}

std::string Program::text(const Step& step) {
    const auto* box = qobject_cast<QLineEdit*>(control(step));
    return (box->text().isEmpty() ? "(" + box->placeholderText() + ")" : box->text()).toStdString();
}

std::string Program::seats(const Step&) {
    return testing::joined(
        testing::readRows(RecordStore::userPath(), "SELECT colour, name FROM seat"));
}

void Program::breakRecord(const Step&) {
    EXPECT_TRUE(QDir().mkpath(QFileInfo(RecordStore::userPath()).path()));
    EXPECT_TRUE(testing::writeBytes(RecordStore::userPath(), "this is no database\n"));
}

std::string Program::lesson(const Step&) {
    return QString::fromStdString(writeLesson(choices::lesson()))
        .trimmed()
        .replace('\n', QStringLiteral(" / "))
        .toStdString();
}

void Program::answer(const Step& step) {
    answer_ = QString::fromStdString(step.word(0));
    answerer_.start(0);
}

void Program::remove(const Step& step) {
    QFile::remove(QString::fromStdString(step.word(0)));
    forgetPictures();
}

void Program::set(const Step& step) {
    const std::string a = step.word(0);
    GameState& state = screens_->state();
    (a == "sound"     ? state.playSound
     : a == "players" ? state.numPlayers
                      : screens_->hideDesktop) = static_cast<int16_t>(step.number(1));
}

void Program::install(const Step&) {
    const QString here = QDir::currentPath();
    EXPECT_TRUE(QDir(installed_.path()).mkdir(QStringLiteral("Images")));
    EXPECT_TRUE(QDir(here + "/Images").removeRecursively());
    EXPECT_TRUE(QFile::link(installed_.path() + "/Images", here + "/Images"));
}

std::vector<Screen*> Program::all() {
    return {&screens_->title(), &screens_->backdrop(),      &screens_->setup(),
            &screens_->rules(), &screens_->results(),       &screens_->report(),
            &screens_->table(), &screens_->onePlayerTable()};
}

Screen& Program::screen(const std::string& name) {
    for (Screen* screen : all()) {
        if (screen->name().toStdString() == name) {
            return *screen;
        }
    }
    throw std::invalid_argument("no screen " + name);
}

QWidget* Program::control(const std::string& screen, const std::string& name) {
    auto* found = this->screen(screen).window()->findChild<QWidget*>(QString::fromStdString(name));
    if (found == nullptr) {
        throw std::invalid_argument("no control " + name);
    }
    return found;
}

std::string Program::seen() {
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

}  // namespace zandoli

#include "moc_ScreensProgram.cpp"

#include "table/TableScreen.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QShortcut>
#include <limits>
#include <utility>

#include "engine/Spinner.h"
#include "look/TableArt.h"
#include "look/TableLayout.h"
#include "platform/Choices.h"
#include "platform/FitText.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/TableKeys.h"

namespace zandoli {

TableScreen::TableScreen(const TableKind& kind, GameState& state)
    : TableScreen(kind, state, nullptr, nullptr) {}

TableScreen::TableScreen(const TableKind& kind, GameState& state, Scheduler& scheduler,
                         RandomSource& random)
    : TableScreen(kind, state, &scheduler, &random) {}

TableScreen::TableScreen(const TableKind& kind, GameState& state, Scheduler* scheduler,
                         RandomSource* random)
    : Screen(kind.screenName),
      kind_(kind),
      builder_(kind),
      view_(widgets_, state),
      recorder_(
          state, record_, [] { return QDateTime::currentMSecsSinceEpoch(); },
          [] {
              std::array<std::string, PLAYING_COLOURS> names;
              const QStringList given = playerNames(PLAYING_COLOURS);
              for (size_t seat = 0; seat < names.size(); ++seat) {
                  names[seat] = given[static_cast<qsizetype>(seat)].toStdString();
              }
              return names;
          },
          [this](GameStart& start) { describeGame(start); }),
      tee_{&view_, &recorder_, this},
      ownScheduler_(scheduler == nullptr ? std::make_unique<QtScheduler>() : nullptr),
      ownRandom_(random == nullptr ? std::make_unique<TimeSeededRandom>() : nullptr),
      scheduler_(scheduler == nullptr ? *ownScheduler_ : *scheduler),
      random_(random == nullptr ? *ownRandom_ : *random),
      referee_(std::make_unique<Referee>(state, tee_, scheduler_, random_, kind.rules)) {}

TableScreen::~TableScreen() {
    // The timers must not reach a referee that is going away.
    scheduler_.stopAll();
    scheduler_.setCallback(nullptr);
}

void TableScreen::open(TableStart start, const GameSettings& settings) {
    start_ = start;
    settings_ = settings;
    recorder_.playedBy(settings.pupil, settings.practice);
    // A class code seeds the table's own generator; a caller's generator
    // (the tests') is left as it is.
    if (ownRandom_) {
        const QString code = QString::fromStdString(settings.lesson.code);
        if (code.isEmpty()) {
            ownRandom_->clearClassCode();
        } else {
            ownRandom_->setClassCode(code.toStdString(), choices::classGame(code));
        }
    }
    // A game taken up again is the code's last game dealt here.
    classGame_ = std::max(1, choices::classGame(QString::fromStdString(settings.lesson.code)) -
                                 (start == TableStart::Restore ? 1 : 0));
    Screen::show();
}

void TableScreen::dealtClassGame() {
    const QString code = QString::fromStdString(settings_.lesson.code);
    if (code.isEmpty()) {
        return;
    }
    // The deal now under way is this game of the code; the next deal, the
    // one after it, here or after the program has been closed.
    classGame_ = choices::classGame(code);
    if (ownRandom_) {
        ownRandom_->setGame(classGame_);
    }
    choices::setClassGame(code, classGame_ + 1);
    showLesson();
}

void TableScreen::describeGame(GameStart& start) const {
    const Lesson& lesson = settings_.lesson;
    if (lesson != everyValueLesson()) {
        start.lesson = writeLesson(lesson);
        start.lessonName = choices::lessonName(lesson).toStdString();
    }
    // A deal is the code's next game, which dealtClassGame() counts after
    // the record has been told of it; a game taken up again is the one shown.
    if (!lesson.code.empty()) {
        start.classGame =
            start.restored ? classGame_ : choices::classGame(QString::fromStdString(lesson.code));
    }
}

void TableScreen::showLesson() {
    if (widgets_.notice.isNull()) {
        return;
    }
    const Lesson& lesson = settings_.lesson;
    QString line = makersNotice();
    const QString pupil = QString::fromStdString(settings_.pupil);
    if (!pupil.isEmpty()) {
        line = (settings_.practice
                    ? QCoreApplication::translate("Table", "Practice for %1: what %1 confuses")
                    : QCoreApplication::translate("Table",
                                                  "%1 has nothing to practise: an ordinary game"))
                   .arg(pupil);
    } else if (!lesson.code.empty()) {
        line = QCoreApplication::translate("Table", "Lesson: %1 · class %2, game %3")
                   .arg(choices::lessonName(lesson), QString::fromStdString(lesson.code))
                   .arg(classGame_);
    } else if (lesson != everyValueLesson()) {
        line = QCoreApplication::translate("Table", "Lesson: %1").arg(choices::lessonName(lesson));
    }
    widgets_.notice->setText(line);
    fitText(widgets_.notice);
}

void TableScreen::happened(const TableEvent& event) {
    switch (event.moment) {
        case Moment::Dealt:
            dealtClassGame();
            break;
        case Moment::ExitAccepted:
            emit exitRequested(event.save);
            break;
        case Moment::RulesShown:
            emit rulesRequested();
            break;
        case Moment::ResultsShown:
            emit resultsRequested();
            break;
        default:
            break;
    }
}

QWidget* TableScreen::createWindow() {
    TableWindow* window = builder_.build(widgets_);
    view_.nameControls();
    connectControls();
    return window;
}

void TableScreen::connectControls() {
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        const CardSlot& slot = widgets_.cardSlots[static_cast<size_t>(i)];
        // The second line and the picture are parts of the card like its caption.
        const auto clicked = [this, i] { referee_->cardClicked(i); };
        connect(slot.caption(), &ClickLabel::clicked, this, clicked);
        connect(slot.secondLine(), &ClickLabel::clicked, this, clicked);
        connect(slot.picture(), &PictureBox::clicked, this, clicked);
        connect(slot.frame(), &ShapeButton::pressed, this, clicked);
        slot.frame()->installEventFilter(this);
    }
    connect(widgets_.pack, &ShapeButton::pressed, this, [this] { referee_->packClicked(); });
    connect(widgets_.spin, &ButtonLabel::clicked, this, [this] { referee_->spinPressed(); });
    for (TableButton which : TABLE_BUTTONS) {
        connect(widgets_.button(which), &ButtonLabel::clicked, this, [this, which] {
            if (which == TableButton::NewGame) {
                newGamePressed();
            } else {
                referee_->buttonPressed(which);
            }
        });
    }
    connect(widgets_.results, &ButtonLabel::clicked, this,
            [this] { referee_->buttonPressed(TableButton::Results); });
    // OK, or a press anywhere on the explanation, once it has been read.
    const auto read = [this] { referee_->buttonPressed(TableButton::ExplanationOk); };
    connect(widgets_.explanation->okButton(), &ButtonLabel::clicked, this, read);
    connect(widgets_.explanation, &ExplanationPanel::pressed, this, read);
    connect(widgets_.window, &TableWindow::pressed, this, [this](QPointF at) { tablePressed(at); });
    bindKeys();
}

void TableScreen::newGamePressed() {
    if (settings_.pupil.empty() || !pupilDealer_ || referee_->phase() == Phase::Dealing) {
        referee_->buttonPressed(TableButton::NewGame);
        return;
    }
    // The pupil's next game is dealt from the record as it is now, the game
    // just played in it.
    settings_ = pupilDealer_(settings_);
    recorder_.playedBy(settings_.pupil, settings_.practice);
    referee_->newGamePressed(settings_);
    showLesson();
}

void TableScreen::bindKeys() {
    const auto bind = [this](const QKeySequence& key, auto press) {
        auto* shortcut = new QShortcut(key, widgets_.window);
        connect(shortcut, &QShortcut::activated, this, press);
    };
    bind(tableKeys::SPIN, [this] { widgets_.spin->press(); });
    bind(tableKeys::NEXT_PLAYER, [this] { widgets_.button(TableButton::NextPlayer)->press(); });
    bind(tableKeys::TAKE_CARD, [this] { widgets_.pack->press(); });
    bind(tableKeys::NEW_GAME, [this] { widgets_.button(TableButton::NewGame)->press(); });
    bind(tableKeys::RULES, [this] { widgets_.button(TableButton::Rules)->press(); });
    bindFullScreenKey(widgets_.window);
    // Escape is the way out a projector's user tries first; in a window it
    // does nothing at the table.
    if (zandoli::fullScreen()) {
        bind(QKeySequence(Qt::Key_Escape), [this] { emit fullScreenRequested(); });
    }
    // The referee takes See the Results only after a win, when it shows.
    bind(tableKeys::RESULTS, [this] { widgets_.results->press(); });
}

bool TableScreen::moveAmongCards(QWidget* from, int key) {
    int dx = 0;
    int dy = 0;
    switch (key) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        default:
            return false;
    }
    // The nearest card whose middle lies that way; a card off the line
    // counts as three times as far for every pixel it is off it.
    const QPoint start = from->geometry().center();
    QWidget* best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    for (const CardSlot& slot : widgets_.cardSlots) {
        QWidget* card = slot.frame();
        if (card == from || !card->isVisible()) {
            continue;
        }
        const QPoint d = card->geometry().center() - start;
        const int along = d.x() * dx + d.y() * dy;
        const int across = std::abs(d.x() * dy) + std::abs(d.y() * dx);
        const int score = along + 3 * across;
        // Only cards within 45 degrees of the arrow's way count.
        if (along > 0 && across <= along && score < bestScore) {
            best = card;
            bestScore = score;
        }
    }
    if (best != nullptr) {
        best->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

void TableScreen::onLoad() {
    fitWindow(widgets_.window);
    TableBuilder::prepare(widgets_);
    warmPictures();
    referee_->load(std::exchange(start_, TableStart::Deal), settings_);
    showLesson();
}

void TableScreen::onRebuilt() {
    // The game goes on: the new window shows the table as the referee has it.
    fitWindow(widgets_.window);
    TableBuilder::prepare(widgets_);
    warmPictures();
    view_.show(referee_->tableState());
    showLesson();
}

void TableScreen::onUnload() {
    scheduler_.stopAll();
}

bool TableScreen::gameRunning() const {
    // During the deal delay the hands are already cleared for the new deal:
    // there is nothing worth keeping yet.
    return isLoaded() && !referee_->gameOver() && referee_->phase() != Phase::Dealing;
}

bool TableScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched != widgets_.window.data() &&
        watched->isWidgetType() &&
        moveAmongCards(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    if (event->type() == QEvent::Close && watched == widgets_.window.data() && isLoaded()) {
        emit windowClosed();
    }
    return Screen::eventFilter(watched, event);
}

void TableScreen::warmPictures() {
    for (int position = 0; position < SPIN_POSITIONS; ++position) {
        picture(QString::fromStdString(look::closeupPicture(position)));
    }
}

void TableScreen::tablePressed(QPointF pixels) {
    // In the table's twips, against the frames' edges.
    const QPointF onTable = pixels - stageOrigin(widgets_.window);
    const double twipsPerPixel = units::TWIPS_PER_PIXEL / units::scale();
    const double x = onTable.x() * twipsPerPixel;
    const double y = onTable.y() * twipsPerPixel;
    for (int s = 0; s < SHOWN_SLOTS; ++s) {
        if (look::strictlyInside(look::slotFrame(s), x, y)) {
            referee_->cardClicked(s);
        }
    }
    if (look::strictlyInside(look::PACK_FRAME, x, y)) {
        referee_->packClicked();
    }
}

}  // namespace zandoli

#include "moc_TableScreen.cpp"

#pragma once

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QRegularExpression>
#include <memory>

#include "platform/ClickLabel.h"
#include "platform/KeyboardFocus.h"
#include "platform/ShapeWidget.h"
#include "platform/Units.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Vocabulary.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {

// Plays a real table one transcript step at a time: tests/table/table.txt
// lists the steps at its top, and keys.txt and lang.txt play them too; the
// verbs are in verbs(), and `table_tests --verbs` prints them.
class TablePlayer {
public:
    TablePlayer() {
        // A new name is "named", an alert "alert", as "heard" tells them.
        speech::setListener([this](QObject* control, QAccessible::Event kind) {
            if (kind == QAccessible::NameChanged || kind == QAccessible::Alert) {
                heard_ << control->objectName() +
                              (kind == QAccessible::Alert ? " alert" : " named");
            }
        });
        // Each part starts as a run of the game does, no key pressed yet: a
        // mouse press ends the keyboard use an earlier part may have begun.
        QWidget nowhere;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(), QPointF(), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&nowhere, &press);
    }
    ~TablePlayer() {
        speech::setListener(nullptr);
        units::setScale(1);
    }

    static const Vocabulary<TablePlayer>& verbs() {
        static const Vocabulary<TablePlayer> verbs(
            "a real table (tests/table/TablePlayer.h)",
            {{"table", "table 2 32", "a table of 2 players (1: one player, 32 spins counted)",
              acts(&TablePlayer::open)},
             {"deal", "deal", "the table shown, and the deal waited out", acts(&TablePlayer::show)},
             {"show", "show", "the table shown and active", acts(&TablePlayer::show)},
             {"quiet", "quiet", "the sound off", acts(&TablePlayer::quiet)},
             {"leave", "leave", "the table unloaded", acts(&TablePlayer::leave)},
             {"rebuild", "rebuild", "the table built again", acts(&TablePlayer::rebuild)},
             {"restore", "restore 0 4 15", "a saved game: Blue holds cards 4 and 15",
              acts(&TablePlayer::restore)},
             {"key", "key S", "a key pressed (\"key Shift+Tab\")", acts(&TablePlayer::press)},
             {"spin", "spin 14", "a spin by S to position 14, waited out",
              acts(&TablePlayer::spin)},
             {"wait", "wait 400", "400 milliseconds go by", acts(&TablePlayer::wait)},
             {"scale", "scale 0.75", "the scale of the tables opened after it",
              &TablePlayer::scale},
             {"tap", "tap packPicture", "a tap on a control, or at a point (\"tap 40 50\")",
              acts(&TablePlayer::tap)},
             {"click", "click spinButton", "a click on a control, or at a point (\"click 40 50\")",
              acts(&TablePlayer::click)},
             {"read", "read", "the focus and what a screen reader reads of it",
              asks(&TablePlayer::read)},
             {"about", "about spinButton", "a control's description", asks(&TablePlayer::about)},
             {"says", "says cardFrame1", "a control's name to a screen reader",
              asks(&TablePlayer::says)},
             {"shows", "shows turnCaption", "a label's text, a picture's name, or hidden",
              asks(&TablePlayer::shows)},
             {"colour", "colour turnCaption", "a label's text colour, or a shape's fill and border",
              asks(&TablePlayer::colour)},
             {"tip", "tip spinButton", "a control's tooltip", asks(&TablePlayer::tip)},
             {"mark", "mark", "the focus mark's colour", asks(&TablePlayer::mark)},
             {"box", "box turnCaption", "a framed label's box and its line",
              asks(&TablePlayer::box)},
             {"font", "font turnCaption", "a control's font size", asks(&TablePlayer::font)},
             {"showing", "showing", "the cards' controls that show", asks(&TablePlayer::showing)},
             {"heard", "heard turnCaption", "what a screen reader was told of a control",
              asks(&TablePlayer::heard)},
             {"hands", "hands", "the sizes of Blue's and Yellow's hands",
              asks(&TablePlayer::hands)},
             {"title", "title", "the window's title", asks(&TablePlayer::title)},
             {"running", "running", "whether a game is running", asks(&TablePlayer::running)},
             {"sounds", "sounds", "the sounds started", asks(&TablePlayer::sounds)},
             {"recorded", "recorded", "the rows of the last game in the user's record",
              asks(&TablePlayer::recorded)}});
        return verbs;
    }

    QWidget* window() { return rig_->table.window(); }

private:
    // A step that acts: the view settles, and the step gives what is seen().
    static Verb<TablePlayer>::Act acts(void (TablePlayer::*act)(const Step&)) {
        return [act](TablePlayer& player, const Step& step) {
            (player.*act)(step);
            settle();
            return player.seen();
        };
    }
    // A question, which changes nothing.
    static Verb<TablePlayer>::Act asks(QString (TablePlayer::*ask)(const Step&)) {
        return [ask](TablePlayer& player, const Step& step) {
            return (player.*ask)(step).trimmed().toStdString();
        };
    }
    QWidget* named(const Step& step) { return rig_->w(QString::fromStdString(step.word(0))); }

    // One player means the one-player table.
    void open(const Step& step) {
        rig_ = std::make_unique<Harness>(int(step.number(0)));
        TableScreen* table = &rig_->table;
        QObject::connect(table, &TableScreen::rulesRequested, [this] { news_ += " | rules"; });
        QObject::connect(table, &TableScreen::exitRequested,
                         [this](bool save) { news_ += save ? " | exit, saved" : " | exit"; });
        QObject::connect(table, &TableScreen::resultsRequested, [this] { news_ += " | results"; });
        rig_->state.spins = static_cast<int16_t>(step.number(1, 0));
    }
    // The table's window shown and active, as a player's would be.
    void show(const Step& step) {
        rig_->table.open(TableStart::Deal);
        activate();
        if (step.verb() == "deal") {
            rig_->clock.advance(timerInterval(TimerId::DealDelay));
        }
    }
    void quiet(const Step&) { rig_->state.playSound = 0; }
    void leave(const Step&) { rig_->table.unload(); }
    void rebuild(const Step&) { rig_->table.rebuild(); }
    void restore(const Step& step) {
        std::vector<int16_t> cards;
        for (size_t i = 1; i < step.size(); ++i) {
            cards.push_back(static_cast<int16_t>(step.number(i)));
        }
        rig_->restore(cards, int(step.number(0)));
        activate();
    }
    void press(const Step& step) { key(QKeySequence(QString::fromStdString(step.word(0)))[0]); }
    void spin(const Step& step) {
        rig_->spinTo(int(step.number(0)), [this] { key(Qt::Key_S); });
    }
    void wait(const Step& step) { rig_->clock.advance(step.number(0)); }
    // Before a table is opened.
    std::string scale(const Step& step) {
        units::setScale(std::stod(step.word(0)));
        return "";
    }
    // A finger on a touch screen or whiteboard, put down and lifted.
    void tap(const Step& step) {
        const QPoint at = step.size() > 1 ? QPoint(int(step.number(0)), int(step.number(1)))
                                          : named(step)->geometry().center();
        if (!touchScreen_) {
            touchScreen_.reset(QTest::createTouchDevice());
        }
        QTest::touchEvent(window(), touchScreen_.get()).press(0, at);
        QTest::touchEvent(window(), touchScreen_.get()).release(0, at);
    }
    void click(const Step& step) {
        if (step.size() > 1) {
            rig_->clickAt(QPoint(int(step.number(0)), int(step.number(1))));
        } else {
            rig_->click(QString::fromStdString(step.word(0)));
        }
    }
    QString read(const Step&) {
        return focusName() + ": " + QApplication::focusWidget()->accessibleDescription();
    }
    QString about(const Step& step) { return named(step)->accessibleDescription(); }
    QString says(const Step& step) {
        return QAccessible::queryAccessibleInterface(named(step))->text(QAccessible::Name);
    }
    QString shows(const Step& step) {
        QWidget* control = named(step);
        const auto* picture = qobject_cast<PictureBox*>(control);
        return !control->isVisible() ? "hidden"
               : picture             ? picture->pictureName()
                                     : qobject_cast<QLabel*>(control)->text();
    }
    // A label's text, or a shape's fill and border.
    QString colour(const Step& step) {
        const auto* shape = qobject_cast<ShapeWidget*>(named(step));
        return shape
                   ? shape->backColour().name() + ' ' + shape->borderColour().name()
                   : rig_->w<ClickLabel>(QString::fromStdString(step.word(0)))->textColour().name();
    }
    QString tip(const Step& step) { return named(step)->toolTip(); }
    // The colour of the focus mark, in the middle of its top line.
    QString mark(const Step&) {
        QWidget* mark = keyboard::shownMark();
        return mark->grab().toImage().pixelColor(mark->width() / 2, 3).name();
    }
    // A framed label's box and its line.
    QString box(const Step& step) {
        const auto* label = rig_->w<QLabel>(QString::fromStdString(step.word(0)));
        return label->frameShape() == QFrame::Box ? QStringLiteral("%1 px").arg(label->lineWidth())
                                                  : QStringLiteral("none");
    }
    QString font(const Step& step) {
        return QStringLiteral("%1 px").arg(named(step)->font().pixelSize());
    }
    QString showing(const Step&) {
        QString answer;
        for (QWidget* part : window()->findChildren<QWidget*>(QRegularExpression("^card|^fr"))) {
            answer += part->isVisible() ? part->objectName() + " " : QString();
        }
        return answer;
    }
    QString heard(const Step& step) {
        const QString name = QString::fromStdString(step.word(0));
        const QStringList told = heard_.filter(QRegularExpression('^' + name + ' '));
        heard_.removeIf([&](const QString& news) { return told.contains(news); });
        return told.join(' ').remove(name + ' ');
    }
    QString hands(const Step&) {
        return QStringLiteral("%1 %2").arg(rig_->state.handSize[0]).arg(rig_->state.handSize[1]);
    }
    QString title(const Step&) { return window()->windowTitle(); }
    QString running(const Step&) { return rig_->table.gameRunning() ? "yes" : "no"; }
    QString sounds(const Step&) { return rig_->sounds.started.join(' '); }
    // The rows of the last game in the user's record.
    QString recorded(const Step&) {
        return QString::fromStdString(joined(readRows(RecordStore::userPath(), RECORDED)));
    }
    void activate() {
        window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
        settle();
    }
    static QString focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? "<none>" : focus->objectName();
    }
    void key(QKeyCombination key) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window(), key.key(), key.keyboardModifiers());
        settle();
    }
    // The view settles once a step is over, and the mark follows the focus
    // once that has moved.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // The focus, the mark around it, what the table asked of the game (the
    // rules, to leave), a deal under way.
    std::string seen() {
        QString seen = focusName();
        if (const QWidget* mark = keyboard::shownMark()) {
            const QRect around = QApplication::focusWidget()->geometry();
            const int margin = around.x() - mark->x();
            const bool even =
                mark->geometry() == around.marginsAdded({margin, margin, margin, margin});
            seen += QStringLiteral(" | mark %1%2").arg(margin).arg(even ? " all round" : " askew");
        }
        seen += std::exchange(news_, {});
        return (seen + (rig_->table.referee().phase() == Phase::Dealing ? " | dealing" : ""))
            .toStdString();
    }

    static constexpr const char* RECORDED =
        "SELECT players, what, spin_value, card_value, card_form, mistake FROM event JOIN game ON "
        "game.id = event.game WHERE game.id = (SELECT max(id) FROM game) ORDER BY event.id";
    std::unique_ptr<Harness> rig_;
    std::unique_ptr<QPointingDevice> touchScreen_;
    QStringList heard_;
    QString news_;
};

}  // namespace zandoli::testing

#pragma once

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QRegularExpression>
#include <memory>
#include <sstream>

#include "platform/ClickLabel.h"
#include "platform/KeyboardFocus.h"
#include "platform/ShapeWidget.h"
#include "platform/Units.h"
#include "tests/record/RecordFile.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {

// Plays a real table one transcript step at a time: tests/table/table.txt
// lists the steps at its top, and keys.txt and lang.txt play them too.
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
    }
    ~TablePlayer() {
        speech::setListener(nullptr);
        units::setScale(1);
    }

    std::string play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, a, b;
        in >> verb >> a;
        const QString name = QString::fromStdString(a);
        if (verb == "table") {
            open(std::stoi(a));
            rig_->state.spins = static_cast<int16_t>(in >> b ? std::stoi(b) : 0);
        } else if (verb == "deal") {
            show();
            rig_->clock.advance(timerInterval(TimerId::DealDelay));
        } else if (verb == "show") {
            show();
        } else if (verb == "quiet") {
            rig_->state.playSound = 0;
        } else if (verb == "leave") {
            rig_->table.unload();
        } else if (verb == "rebuild") {
            rig_->table.rebuild();
        } else if (verb == "restore") {
            std::vector<int16_t> cards;
            for (int card = 0; in >> card;) {
                cards.push_back(static_cast<int16_t>(card));
            }
            rig_->restore(cards, std::stoi(a));
            activate();
        } else if (verb == "key") {
            key(QKeySequence(name)[0]);
        } else if (verb == "spin") {
            rig_->spinTo(std::stoi(a), [this] { key(Qt::Key_S); });
        } else if (verb == "wait") {
            rig_->clock.advance(std::stoi(a));
        } else if (verb == "scale") {  // before a table is opened
            units::setScale(std::stod(a));
            return "";
        } else if (verb == "tap") {
            tap(in >> b ? QPoint(std::stoi(a), std::stoi(b)) : rig_->w(name)->geometry().center());
        } else if (verb == "click" && (in >> b)) {
            rig_->clickAt(QPoint(std::stoi(a), std::stoi(b)));
        } else if (verb == "click") {
            rig_->click(name);
        } else {
            return ask(verb, name);
        }
        settle();
        return seen();
    }

    QWidget* window() { return rig_->table.window(); }

private:
    // The questions, which change nothing.
    std::string ask(const std::string& verb, const QString& name) {
        QString answer;
        if (verb == "read") {
            answer = focusName() + ": " + QApplication::focusWidget()->accessibleDescription();
        } else if (verb == "about") {
            answer = rig_->w(name)->accessibleDescription();
        } else if (verb == "says") {
            answer = QAccessible::queryAccessibleInterface(rig_->w(name))->text(QAccessible::Name);
        } else if (verb == "shows") {
            QWidget* control = rig_->w(name);
            const auto* picture = qobject_cast<PictureBox*>(control);
            answer = !control->isVisible() ? "hidden"
                     : picture             ? picture->pictureName()
                                           : qobject_cast<QLabel*>(control)->text();
        } else if (verb == "colour") {  // a label's text, or a shape's fill and border
            const auto* shape = qobject_cast<ShapeWidget*>(rig_->w(name));
            answer = shape ? shape->backColour().name() + ' ' + shape->borderColour().name()
                           : rig_->w<ClickLabel>(name)->textColour().name();
        } else if (verb == "tip") {
            answer = rig_->w(name)->toolTip();
        } else if (verb == "mark") {  // the colour of the focus mark, in the middle of its top line
            QWidget* mark = keyboard::shownMark();
            answer = mark->grab().toImage().pixelColor(mark->width() / 2, 3).name();
        } else if (verb == "box") {  // a framed label's box and its line
            const auto* label = rig_->w<QLabel>(name);
            answer = label->frameShape() == QFrame::Box
                         ? QStringLiteral("%1 px").arg(label->lineWidth())
                         : QStringLiteral("none");
        } else if (verb == "font") {
            answer = QStringLiteral("%1 px").arg(rig_->w(name)->font().pixelSize());
        } else if (verb == "showing") {
            for (QWidget* part :
                 window()->findChildren<QWidget*>(QRegularExpression("^card|^fr"))) {
                answer += part->isVisible() ? part->objectName() + " " : QString();
            }
        } else if (verb == "heard") {
            const QStringList told = heard_.filter(QRegularExpression('^' + name + ' '));
            heard_.removeIf([&](const QString& news) { return told.contains(news); });
            answer = told.join(' ').remove(name + ' ');
        } else if (verb == "hands") {
            answer =
                QStringLiteral("%1 %2").arg(rig_->state.handSize[0]).arg(rig_->state.handSize[1]);
        } else if (verb == "title") {
            answer = window()->windowTitle();
        } else if (verb == "running") {
            answer = rig_->table.gameRunning() ? "yes" : "no";
        } else if (verb == "sounds") {
            answer = rig_->sounds.started.join(' ');
        } else if (verb == "recorded") {  // the rows of the last game in the user's record
            answer = QString::fromStdString(joined(readRows(RecordStore::userPath(), RECORDED)));
        } else {
            throw std::invalid_argument("no step " + verb);
        }
        return answer.trimmed().toStdString();
    }
    // One player means the one-player table.
    void open(int players) {
        rig_ = std::make_unique<Harness>(players);
        TableScreen* table = &rig_->table;
        QObject::connect(table, &TableScreen::rulesRequested, [this] { news_ += " | rules"; });
        QObject::connect(table, &TableScreen::exitRequested,
                         [this](bool save) { news_ += save ? " | exit, saved" : " | exit"; });
        QObject::connect(table, &TableScreen::resultsRequested, [this] { news_ += " | results"; });
    }
    // The table's window shown and active, as a player's would be.
    void show() {
        rig_->table.open(TableStart::Deal);
        activate();
    }
    void activate() {
        window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
        settle();
    }
    // A finger on a touch screen or whiteboard, put down and lifted.
    void tap(QPoint at) {
        if (!touchScreen_) {
            touchScreen_.reset(QTest::createTouchDevice());
        }
        QTest::touchEvent(window(), touchScreen_.get()).press(0, at);
        QTest::touchEvent(window(), touchScreen_.get()).release(0, at);
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

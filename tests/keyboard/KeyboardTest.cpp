// Playing by keyboard as a transcript (keys.txt): the reading order of Tab,
// the keys of the table, the focus mark, and the focus following the game
// with what it tells a screen reader.
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <sstream>

#include "platform/KeyboardFocus.h"
#include "tests/support/Transcript.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

// A two-player table dealt by the golden deal, on a virtual clock, its
// window active as a player's would be.
class Keyboard {
public:
    Keyboard() {
        table_.table.show();
        window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
        table_.clock.advance(timerInterval(TimerId::DealDelay));
        settle();
        QObject::connect(&table_.table, &TableScreen::rulesRequested, [this] { rules_ = true; });
    }

    // The steps are listed at the top of keys.txt.
    std::string play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, a;
        in >> verb >> a;
        if (verb == "read") {
            return focusName() + ": " +
                   QApplication::focusWidget()->accessibleDescription().toStdString();
        } else if (verb == "about") {
            return table_.w(QString::fromStdString(a))->accessibleDescription().toStdString();
        } else if (verb == "hands") {
            return std::to_string(table_.state.handSize[0]) + " " +
                   std::to_string(table_.state.handSize[1]);
        } else if (verb == "key") {
            key(QKeySequence(QString::fromStdString(a))[0]);
        } else if (verb == "spin") {
            const int length = spinLengthTo(table_.table.referee().spinPos(), std::stoi(a));
            table_.random.queue(FixedRandom::forSpinLength(length));
            key(Qt::Key_S);
            while (table_.table.referee().spinning()) {
                table_.clock.step();
            }
        } else if (verb == "wait") {
            table_.clock.advance(std::stoi(a));
        } else if (verb == "click") {
            QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            throw std::invalid_argument("no step " + step);
        }
        settle();
        return seen();
    }

private:
    QWidget* window() { return table_.table.window(); }
    static std::string focusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? "<none>" : focus->objectName().toStdString();
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
    // The focus, the mark around it, the rules asked for, a deal under way.
    std::string seen() {
        std::string seen = focusName();
        if (const QWidget* mark = keyboard::shownMark()) {
            const QRect around = QApplication::focusWidget()->geometry();
            const int margin = around.x() - mark->x();
            const bool even =
                mark->geometry() == around.marginsAdded({margin, margin, margin, margin});
            seen += " | mark " + std::to_string(margin) + (even ? " all round" : " askew");
        }
        seen += std::exchange(rules_, false) ? " | rules" : "";
        return seen + (table_.table.referee().dealing() ? " | dealing" : "");
    }

    Harness<TableScreen> table_{2};
    bool rules_ = false;
};

TEST(Keyboard, TheTableIsPlayedByKeysAndReadAloud) {
    playParts<Keyboard>(ZANDOLI_TRANSCRIPTS "/keys.txt");
}

}  // namespace
}  // namespace zandoli::testing

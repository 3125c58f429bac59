// What counts as a click on the game's buttons, captions and pictures, from
// the mouse and from a screen reader.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <tuple>

#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"

namespace zandoli {
namespace {

// A shown window holding a 100 x 40 control at (10, 10) and, beside it at
// (150, 10), another of the same kind.
template <typename Control>
struct Bench {
    Bench() {
        window.resize(300, 100);
        control = new Control(QStringLiteral("A"), &window);
        control->setGeometry(10, 10, 100, 40);
        other = new Control(QStringLiteral("B"), &window);
        other->setGeometry(150, 10, 100, 40);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    Control* control;
    Control* other;
};

// PictureBox takes no text; the caption is dropped for it.
struct Picture : PictureBox {
    Picture(const QString&, QWidget* parent) : PictureBox(parent) {}
};

// Presses and releases on the control and beside it, each with the number
// of clicks counted after it, then the same while disabled and enabled again.
template <typename Control>
void checkClicks() {
    SCOPED_TRACE(typeid(Control).name());
    Bench<Control> bench;
    Control* control = bench.control;
    QSignalSpy clicks(control, &Control::clicked);
    QSignalSpy otherClicks(bench.other, &Control::clicked);
    const QPoint inside(50, 20), beside(120, 20), overOther(190, 20);
    const std::tuple<Qt::MouseButton, QPoint, Qt::MouseButton, QPoint, int, const char*> presses[] =
        {
            {Qt::LeftButton, inside, Qt::LeftButton, inside, 1, "a left click inside"},
            {Qt::RightButton, inside, Qt::RightButton, inside, 1, "a right click"},
            {Qt::RightButton, inside, Qt::LeftButton, inside, 1,
             "a right press ended by the left button"},
            {Qt::LeftButton, inside, Qt::LeftButton, beside, 1, "a press let go beside it"},
            {Qt::LeftButton, inside, Qt::LeftButton, overOther, 1, "a press let go over the other"},
        };
    for (const auto& [down, at, up, to, count, what] : presses) {
        QTest::mousePress(control, down, {}, at);
        QTest::mouseRelease(control, up, {}, to);
        EXPECT_EQ(clicks.count(), count) << what;
    }
    EXPECT_EQ(otherClicks.count(), 0) << "a release over a control not pressed";
    control->setEnabled(false);
    QTest::mouseClick(control, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 1) << "a click while disabled";
    control->setEnabled(true);
    QTest::mouseClick(control, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks.count(), 2) << "a left click once enabled again";
}

TEST(Controls, AClickIsTheLeftButtonPressedAndReleasedInsideTheSameEnabledControl) {
    checkClicks<ButtonLabel>();
    checkClicks<ClickLabel>();
    checkClicks<Picture>();
}

TEST(Controls, AScreenReaderSeesAButtonNamedByItsCaptionThatItCanPressUnlessDisabled) {
    Bench<ButtonLabel> bench;
    ButtonLabel* button = bench.control;
    QSignalSpy clicks(button, &ButtonLabel::clicked);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    button->setText(QStringLiteral("Cancel"));
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Cancel"));

    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString press = QAccessibleActionInterface::pressAction();
    ASSERT_TRUE(actions->actionNames().contains(press));
    actions->doAction(press);
    EXPECT_EQ(clicks.count(), 1);
    button->setEnabled(false);
    actions->doAction(press);
    EXPECT_EQ(clicks.count(), 1) << "pressed while disabled";
}

}  // namespace
}  // namespace zandoli

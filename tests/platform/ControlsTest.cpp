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

// In a shown window, a 100 x 40 control at (10, 10) and beside it, at
// (150, 10), another of the same kind, each made from `made` (a caption, or
// nothing for a picture) and the window. Presses and releases on the first
// and beside it, of which only the first is a click, then the same while
// disabled and enabled again.
template <typename Control, typename... Made>
void checkClicks(const Made&... made) {
    SCOPED_TRACE(typeid(Control).name());
    QWidget window;
    window.resize(300, 100);
    auto* control = new Control(made..., &window);
    control->setGeometry(10, 10, 100, 40);
    auto* other = new Control(made..., &window);
    other->setGeometry(150, 10, 100, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(control, &Control::clicked);
    QSignalSpy otherClicks(other, &Control::clicked);
    const QPoint inside(50, 20), beside(120, 20), overOther(190, 20);
    const std::tuple<Qt::MouseButton, QPoint, Qt::MouseButton, QPoint, const char*> presses[] = {
        {Qt::LeftButton, inside, Qt::LeftButton, inside, "a left click inside"},
        {Qt::RightButton, inside, Qt::RightButton, inside, "a right click"},
        {Qt::RightButton, inside, Qt::LeftButton, inside, "a right press ended by the left button"},
        {Qt::LeftButton, inside, Qt::LeftButton, beside, "a press let go beside it"},
        {Qt::LeftButton, inside, Qt::LeftButton, overOther, "a press let go over the other"},
    };
    for (const auto& [down, at, up, to, what] : presses) {
        QTest::mousePress(control, down, {}, at);
        QTest::mouseRelease(control, up, {}, to);
        EXPECT_EQ(clicks.count(), 1) << what;
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
    checkClicks<ButtonLabel>(QStringLiteral("A"));
    checkClicks<ClickLabel>(QStringLiteral("A"));
    checkClicks<PictureBox>();
}

TEST(Controls, AScreenReaderSeesAButtonNamedByItsCaptionThatItCanPressUnlessDisabled) {
    ButtonLabel button(QStringLiteral("OK"), nullptr);
    QSignalSpy clicks(&button, &ButtonLabel::clicked);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    button.setText(QStringLiteral("Cancel"));
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Cancel"));

    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString press = QAccessibleActionInterface::pressAction();
    ASSERT_TRUE(actions->actionNames().contains(press));
    actions->doAction(press);
    EXPECT_EQ(clicks.count(), 1);
    button.setEnabled(false);
    actions->doAction(press);
    EXPECT_EQ(clicks.count(), 1) << "pressed while disabled";
}

}  // namespace
}  // namespace zandoli

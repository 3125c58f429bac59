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
// nothing for a picture) and the window. Presses on the first let go inside
// it, beside it or over the other, of which only the first is a click, then
// the same while disabled and enabled again.
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
    using enum Qt::MouseButton;
    // The button pressed, the button let go and where, whether the control is
    // enabled, and the clicks counted after it.
    const std::tuple<Qt::MouseButton, Qt::MouseButton, QPoint, bool, int, const char*> presses[] = {
        {LeftButton, LeftButton, inside, true, 1, "a left click inside"},
        {RightButton, RightButton, inside, true, 1, "a right click"},
        {RightButton, LeftButton, inside, true, 1, "a right press ended by the left button"},
        {LeftButton, LeftButton, beside, true, 1, "a press let go beside it"},
        {LeftButton, LeftButton, overOther, true, 1, "a press let go over the other"},
        {LeftButton, LeftButton, inside, false, 1, "a click while disabled"},
        {LeftButton, LeftButton, inside, true, 2, "a left click once enabled again"},
    };
    for (const auto& [down, up, to, enabled, count, what] : presses) {
        control->setEnabled(enabled);
        QTest::mousePress(control, down, {}, inside);
        QTest::mouseRelease(control, up, {}, to);
        EXPECT_EQ(clicks.count(), count) << what;
    }
    EXPECT_EQ(otherClicks.count(), 0) << "a release over a control not pressed";
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

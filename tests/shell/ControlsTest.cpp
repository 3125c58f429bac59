#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "Controls.h"
#include "WorkingFolder.h"

namespace zandoli {
namespace {

TEST(ButtonLabel, ActsOnAClickAndNotWhenDisabledOrReleasedOutside) {
    QWidget window;
    window.resize(200, 100);
    ButtonLabel button(QStringLiteral("OK"), &window);
    button.setGeometry(10, 10, 80, 30);
    window.show();
    QSignalSpy clicks(&button, &ButtonLabel::clicked);

    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    // Pressed on the button but let go beside it: no click.
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(clicks.count(), 1);

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ShapeWidget, PressesGoThroughToTheWindowBeneath) {
    QWidget window;
    window.resize(200, 200);
    ClickLabel beneath(QStringLiteral("card"), &window);
    beneath.setGeometry(0, 0, 200, 200);
    ShapeWidget shape(ShapeWidget::Kind::RoundedRectangle, &window);
    shape.setGeometry(20, 20, 100, 100);
    shape.raise();
    window.show();
    QSignalSpy clicks(&beneath, &ClickLabel::clicked);

    // Clicked where the shape lies: the label beneath takes the click.
    QWidget* hit = window.childAt(QPoint(50, 50));
    EXPECT_EQ(hit, &beneath);
    QTest::mouseClick(&beneath, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(PictureBox, TakesThePictureSizeAndKeepsItsSizeWhenThePictureIsMissing) {
    WorkingFolder folder;
    folder.writepicture(QStringLiteral("Images/logo2.jpg"), QSize(100, 139));
    QWidget window;
    PictureBox box(&window);
    box.setGeometry(5, 5, 40, 40);
    EXPECT_TRUE(box.setpicture(QStringLiteral("Images\\logo2.jpg")));
    EXPECT_EQ(box.geometry(), QRect(5, 5, 100, 139));

    PictureBox empty(&window);
    empty.setGeometry(5, 5, 40, 40);
    EXPECT_FALSE(empty.setpicture(QStringLiteral("Images\\gone.jpg")));
    EXPECT_EQ(empty.geometry(), QRect(5, 5, 40, 40));
    EXPECT_TRUE(empty.pixmap().isNull());
}

}  // namespace
}  // namespace zandoli

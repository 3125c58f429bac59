// Pictures on a display of two device pixels to the logical pixel. This runs
// in its own program: the scale factor must be set before the application
// object exists.
#include <gtest/gtest.h>
#include <QApplication>

#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "tests/platform/WorkingFolder.h"

namespace zandoli {
namespace {

TEST(SharpPictures, TheDoubleSizedPictureIsShownAtTheLogicalSize) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    WorkingFolder folder;
    folder.writePicture(QStringLiteral("Images/wdial.jpg"), QSize(400, 400));
    folder.writePicture(QStringLiteral("Images/wdial@2x.jpg"), QSize(800, 800));
    folder.writePicture(QStringLiteral("Images/wsq6.jpg"), QSize(80, 120));

    QWidget window;
    PictureBox box(&window);
    ASSERT_TRUE(box.setPicture(QStringLiteral("Images\\wdial.jpg")));
    EXPECT_EQ(box.pixmap().devicePixelRatio(), 2.0);
    EXPECT_EQ(box.pixmap().size(), QSize(800, 800));
    EXPECT_EQ(box.size(), QSize(400, 400));

    // No double-sized file: the plain picture, at its own size.
    PictureBox tile(&window);
    ASSERT_TRUE(tile.setPicture(QStringLiteral("images\\WSQ6.jpg")));
    EXPECT_EQ(tile.pixmap().devicePixelRatio(), 1.0);
    EXPECT_EQ(tile.size(), QSize(80, 120));
}

}  // namespace
}  // namespace zandoli

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

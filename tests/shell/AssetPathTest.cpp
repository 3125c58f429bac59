#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Platform.h"
#include "WorkingFolder.h"

namespace zandoli {
namespace {

TEST(AssetPath, MatchesFoldersAndFileWhateverTheirCase) {
    WorkingFolder folder;
    folder.touch(QStringLiteral("Images/opening.jpg"));
    folder.touch(QStringLiteral("wav/Click.WAV"));
    const QString root = QDir::currentPath();

    EXPECT_EQ(assetpath(QStringLiteral("Images\\opening.jpg")), root + "/Images/opening.jpg");
    // "images\" and "Images\" name the same folder.
    EXPECT_EQ(assetpath(QStringLiteral("images\\opening.jpg")), root + "/Images/opening.jpg");
    EXPECT_EQ(assetpath(QStringLiteral("IMAGES\\OPENING.JPG")), root + "/Images/opening.jpg");
    EXPECT_EQ(assetpath(QStringLiteral("wav\\click.wav")), root + "/wav/Click.WAV");
}

TEST(AssetPath, LeavesAMissingNameAsWrittenWithSlashes) {
    WorkingFolder folder;
    folder.touch(QStringLiteral("Images/opening.jpg"));
    const QString root = QDir::currentPath();
    EXPECT_EQ(assetpath(QStringLiteral("images\\logo2.jpg")), root + "/Images/logo2.jpg");
    EXPECT_EQ(assetpath(QStringLiteral("sounds\\x.wav")), root + "/sounds/x.wav");
    EXPECT_FALSE(QFile::exists(assetpath(QStringLiteral("images\\logo2.jpg"))));
}

TEST(Picture, MissingFileGivesANullPictureAndAFoundOneIsDecoded) {
    WorkingFolder folder;
    EXPECT_TRUE(picture(QStringLiteral("Images\\nothere.jpg")).isNull());
    folder.writepicture(QStringLiteral("images/Small.jpg"), QSize(30, 20));
    const QPixmap& first = picture(QStringLiteral("Images\\small.jpg"));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(30, 20));
    // Decoded once: the second ask hands back the very same pixmap.
    EXPECT_EQ(&picture(QStringLiteral("IMAGES\\SMALL.JPG")), &first);
}

}  // namespace
}  // namespace zandoli

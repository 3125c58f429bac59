#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "Cards.h"
#include "PixelMeasure.h"
#include "Spinner.h"

namespace zandoli::testing {
namespace {

// "Images\zandolit03.jpg" as the game names it -> "zandolit03".
QString bare(const std::string& gamepath) {
    const QString name = QString::fromStdString(gamepath);
    return name.mid(name.lastIndexOf('\\') + 1).chopped(4);
}

std::map<QString, QSize> everypicture() {
    std::map<QString, QSize> pictures = {{bare(DIAL_AT_REST), {400, 400}},
                                         {bare(CLOSEUP_AT_REST), {160, 160}},
                                         {"opening", {320, 240}},
                                         {"logo2", {100, 139}}};
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        pictures[bare(dialpicture(p))] = {400, 400};
        pictures[bare(closeuppicture(p))] = {160, 160};
    }
    for (int16_t card = 36; card <= 47; ++card) {
        pictures[bare(tilepicture(card))] = {80, 120};
    }
    return pictures;
}

TEST(AssetFiles, EveryPictureExistsAtItsSizeAndAtTwiceItsSize) {
    const auto pictures = everypicture();
    ASSERT_EQ(pictures.size(), 48u);
    for (const auto& [name, size] : pictures) {
        EXPECT_EQ(picture(name).size(), size) << name.toStdString();
        EXPECT_EQ(picture(name + "@2x").size(), size * 2) << name.toStdString();
    }
}

TEST(AssetFiles, IconsAtEverySizeAreRoundOnATransparentGround) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(asset(QString("icons/zandoli-%1.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 4)), 255) << size;
    }
}

std::map<QString, QByteArray> digests(const QString& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            files[QDir(folder).relativeFilePath(path)] =
                QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
    }
    return files;
}

TEST(AssetFiles, TheGeneratorWritesTheSameBytesEveryTime) {
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QTemporaryDir* dir : {&first, &second}) {
        QProcess generator;
        generator.start(ZANDOLI_ASSET_GENERATOR, {dir->path()});
        ASSERT_TRUE(generator.waitForFinished(120000));
        ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    }
    const auto a = digests(first.path());
    const auto b = digests(second.path());
    // 96 pictures, 6 icons, 10 sounds and the document.
    EXPECT_EQ(a.size(), 113u);
    EXPECT_TRUE(a == b);
}

}  // namespace
}  // namespace zandoli::testing

#include "assets/PictureSet.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "assets/ArtPainter.h"
#include "assets/AssetLook.h"
#include "assets/DialPainter.h"
#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "language/Language.h"
#include "look/TableArt.h"

namespace zandoli {

namespace {

// The game shows a picture from the smallest of these at least as large as
// it shows at; three times covers a table filling a 4K screen.
constexpr int SCALES[] = {1, 2, 3};
constexpr int FIRST_TILE = 36;
constexpr int LAST_TILE = 47;

// "Images\zandolit07.jpg" -> "zandolit07": the engine names the files the way
// the game asks for them; here only the bare picture name is wanted.
QString bareName(const std::string& gamePath) {
    QString name = QString::fromStdString(gamePath);
    name = name.mid(name.lastIndexOf('\\') + 1);
    return name.left(name.lastIndexOf('.'));
}

}  // namespace

PictureSet::PictureSet(QString imagesFolder, QString iconsFolder)
    : images(std::move(imagesFolder)), icons(std::move(iconsFolder)) {}

bool PictureSet::writePicture(const QString& name, QSize logical, const Paint& paint,
                              bool numbered) {
    bool ok = true;
    for (int scale : SCALES) {
        QImage image(logical * scale, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.scale(scale, scale);
            paint(painter);
        }
        // The game looks for the notation's own file, then for the plain
        // one (see picture()).
        QString file = name + (scale == 1 ? QString() : QString("@%1x").arg(scale)) + ".jpg";
        if (numbered) {
            file = language::notated(file);
        }
        file = QDir(images).filePath(file);
        if (!image.save(file, "JPG", look::JPEG_QUALITY)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok;
}

bool PictureSet::writeIcon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(pixels / 256.0, pixels / 256.0);
        paintIcon(painter, pixels);
    }
    const QString file = QDir(icons).filePath(QString("zandoli-%1.png").arg(pixels));
    // Stored without compression: the game decodes its window icon at every
    // start, and inflating it cost more than reading the larger file.
    if (!image.save(file, "PNG", 100)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

bool PictureSet::writeAll() {
    bool ok = true;
    ok &= writePicture(bareName(look::DIAL_AT_REST), look::DIAL_SIZE, [](QPainter& p) {
        paintDial(p, DialScene{0, -1, true});
    });
    ok &= writePicture(bareName(look::CLOSEUP_AT_REST), look::CLOSEUP_SIZE,
                       [](QPainter& p) { paintCloseup(p, std::nullopt); });
    for (int position = 0; position < SPIN_POSITIONS; ++position) {
        ok &=
            writePicture(bareName(look::dialPicture(position)), look::DIAL_SIZE, [=](QPainter& p) {
                paintDial(p, DialScene{position, position, true});
            });
        ok &= writePicture(bareName(look::closeupPicture(position)), look::CLOSEUP_SIZE,
                           [=](QPainter& p) { paintCloseup(p, SPINVALUES[position]); });
    }
    for (int card = FIRST_TILE; card <= LAST_TILE; ++card) {
        const int shaded = tileShaded(static_cast<int16_t>(card));
        ok &= writePicture(bareName(look::tilePicture(static_cast<int16_t>(card))), look::TILE_SIZE,
                           [=](QPainter& p) { paintTile(p, shaded); });
    }
    for (int pixels : look::ICON_SIZES) {
        ok &= writeIcon(pixels);
    }
    return ok;
}

bool PictureSet::writeNumbered() {
    bool ok = writePicture("opening", look::OPENING_SIZE, paintOpening, true);
    ok &= writePicture("logo2", look::LOGO_SIZE, paintLogo, true);
    return ok;
}

}  // namespace zandoli

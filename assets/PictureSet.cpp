#include "PictureSet.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "ArtPainter.h"
#include "AssetLook.h"
#include "Cards.h"
#include "DialPainter.h"
#include "Spinner.h"

namespace zandoli {

namespace {

constexpr int SCALES[] = {1, 2};
constexpr int FIRST_TILE = 36;
constexpr int LAST_TILE = 47;

// "Images\zandolit07.jpg" -> "zandolit07": the engine names the files the way
// the game asks for them; here only the bare picture name is wanted.
QString barename(const std::string& gamepath) {
    QString name = QString::fromStdString(gamepath);
    name = name.mid(name.lastIndexOf('\\') + 1);
    return name.left(name.lastIndexOf('.'));
}

}  // namespace

PictureSet::PictureSet(QString imagesfolder, QString iconsfolder)
    : images(std::move(imagesfolder)), icons(std::move(iconsfolder)) {}

bool PictureSet::writepicture(const QString& name, QSize logical, const Paint& paint) {
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
        const QString file = QDir(images).filePath(
            name + (scale == 1 ? QString() : QString("@%1x").arg(scale)) + ".jpg");
        if (!image.save(file, "JPG", look::JPEG_QUALITY)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok;
}

bool PictureSet::writeicon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(pixels / 256.0, pixels / 256.0);
        painticon(painter, pixels);
    }
    const QString file = QDir(icons).filePath(QString("zandoli-%1.png").arg(pixels));
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

bool PictureSet::writeall() {
    bool ok = true;
    ok &= writepicture(barename(DIAL_AT_REST), look::DIAL_SIZE, [](QPainter& p) {
        paintdial(p, DialScene{0, -1, true});
    });
    ok &= writepicture(barename(CLOSEUP_AT_REST), look::CLOSEUP_SIZE,
                       [](QPainter& p) { paintcloseup(p, -1); });
    for (int position = 0; position < SPIN_POSITIONS; ++position) {
        ok &= writepicture(barename(dialpicture(position)), look::DIAL_SIZE, [=](QPainter& p) {
            paintdial(p, DialScene{position, position, true});
        });
        ok &= writepicture(barename(closeuppicture(position)), look::CLOSEUP_SIZE,
                           [=](QPainter& p) { paintcloseup(p, position); });
    }
    for (int card = FIRST_TILE; card <= LAST_TILE; ++card) {
        const int shaded = tileshaded(static_cast<int16_t>(card));
        ok &= writepicture(barename(tilepicture(static_cast<int16_t>(card))), look::TILE_SIZE,
                           [=](QPainter& p) { painttile(p, shaded); });
    }
    ok &= writepicture("opening", look::OPENING_SIZE, paintopening);
    ok &= writepicture("logo2", look::LOGO_SIZE, paintlogo);
    for (int pixels : look::ICON_SIZES) {
        ok &= writeicon(pixels);
    }
    return ok;
}

}  // namespace zandoli

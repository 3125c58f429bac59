#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace zandoli {

// Writes the game's pictures. Every picture is painted twice from the same
// vector code: "name.jpg" at its logical size and "name@2x.jpg" at double size.
class PictureSet {
public:
    using Paint = std::function<void(QPainter&)>;

    PictureSet(QString imagesFolder, QString iconsFolder);

    // Returns false (and carries on) when a file cannot be written.
    bool writeAll();

private:
    bool writePicture(const QString& name, QSize logical, const Paint& paint);
    bool writeIcon(int pixels);

    QString images;
    QString icons;
};

}  // namespace zandoli

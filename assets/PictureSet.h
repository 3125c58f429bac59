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

    PictureSet(QString imagesfolder, QString iconsfolder);

    // Returns false (and carries on) when a file cannot be written.
    bool writeall();

private:
    bool writepicture(const QString& name, QSize logical, const Paint& paint);
    bool writeicon(int pixels);

    QString images;
    QString icons;
};

}  // namespace zandoli

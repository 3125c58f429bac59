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

    // Both return false (and carry on) when a file cannot be written.
    // Every picture that shows no number, the same in every language.
    bool writeAll();
    // The pictures with numbers on them (the title picture and the logo), in
    // the notation of the country in use (language::use), named for it:
    // "opening.jpg" in English's, "opening.comma-spaced.jpg" and
    // "opening@2x.comma-spaced.jpg" in France's.
    bool writeNumbered();

private:
    // A numbered picture's name carries the notation it is drawn in.
    bool writePicture(const QString& name, QSize logical, const Paint& paint,
                      bool numbered = false);
    bool writeIcon(int pixels);

    QString images;
    QString icons;
};

}  // namespace zandoli

#pragma once

#include <QString>

#include "platform/ClickableLabel.h"

namespace zandoli {

// A picture shown at its own size, its top-left corner at the widget's
// position; reports clicks. An empty picture shows nothing and leaves the box
// at the size it had.
class PictureBox : public ClickableLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);
    // Shows a picture from the picture cache by the game's name for its file
    // ("Images\wdial.jpg", see assetPath); false (and an empty box) when the
    // file is missing.
    bool setPicture(const QString& name);
    const QString& pictureName() const { return name_; }

private:
    QString name_;
};

}  // namespace zandoli

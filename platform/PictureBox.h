#pragma once

#include <QString>

#include "platform/ClickableLabel.h"
#include "platform/Platform.h"

class QEvent;

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
    // How the pictures this box shows are kept (see picture()): for the run
    // unless told otherwise.
    void setKeeping(Keeping keeping) { keeping_ = keeping; }
    // Decodes a picture the box is about to show, once the events already
    // waiting are handled (the repaint of the picture it shows now among
    // them), so that showing it later costs no decoding.
    void prepare(const QString& name);

protected:
    bool event(QEvent* event) override;

private:
    QString name_;
    QString prepared_;
    Keeping keeping_ = Keeping::ForTheRun;
};

}  // namespace zandoli

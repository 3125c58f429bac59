#pragma once

#include <QLabel>

#include <QString>

#include "platform/ClickTracker.h"

namespace zandoli {

// A picture shown at its own size, its top-left corner at the widget's
// position; reports clicks. An empty picture shows nothing and leaves the box
// at the size it had.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);
    // Shows a picture by its written name ("Images\wdial.jpg") from the
    // picture cache; false (and an empty box) when the file is missing.
    bool setPicture(const QString& written);
    const QString& pictureName() const { return name_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString name_;
    ClickTracker clicks_;
};

}  // namespace zandoli

#pragma once

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

namespace zandoli {

// A fresh working folder for one test: the game finds its files relative to
// the current folder, so the test moves into it and back out at the end.
// Like its folder, it cannot be copied.
class WorkingFolder {
public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }

    QString path() const { return dir_.path(); }

    void writePicture(const QString& relative, QSize size,
                      const QColor& colour = QColor(200, 40, 40)) const {
        QDir(dir_.path()).mkpath(QFileInfo(relative).path());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        image.save(dir_.filePath(relative), "JPG");
    }

private:
    QString previous_;
    QTemporaryDir dir_;
};

}  // namespace zandoli

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

// A data folder of the test's own, and so a learning record of its own: set
// before the screens read where the record is.
struct DataHome {
    DataHome() { qputenv("XDG_DATA_HOME", data.path().toUtf8()); }
    ~DataHome() { qputenv("XDG_DATA_HOME", saved); }
    QByteArray saved = qgetenv("XDG_DATA_HOME");
    QTemporaryDir data;
};

}  // namespace zandoli

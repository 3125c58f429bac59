#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <memory>

#include "ScreenRegistry.h"
#include "SoundPlayer.h"
#include "WorkingFolder.h"

namespace zandoli {

// Every sound started, by its path in the working folder, whether or not
// the file exists: the tests hear what the screens ask for.
class SoundLog {
public:
    QStringList started;
    SoundPlayer::VoiceMaker maker() {
        return [this](const QString& path) -> std::unique_ptr<Voice> {
            return std::make_unique<Logged>(QDir::current().relativeFilePath(path), started);
        };
    }

private:
    class Logged : public Voice {
    public:
        Logged(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}
        void start() override { log_ << name_; }
        void stop() override {}

    private:
        QString name_;
        QStringList& log_;
    };
};

// Every address handed to the desktop, kept instead of opened.
class UrlLog : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// A run of the program in a fresh working folder holding the two shell
// pictures, with sounds and desktop requests recorded.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() {
        folder.writepicture(QStringLiteral("Images/opening.jpg"), QSize(320, 240));
        folder.writepicture(QStringLiteral("Images/logo2.jpg"), QSize(100, 139));
        SoundPlayer::instance().setvoicemaker(sounds.maker());
        for (const char* scheme : {"https", "http", "file"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls, "open");
        }
        screens = std::make_unique<ScreenRegistry>();
    }

    ~ShellTest() override {
        screens.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const char* scheme : {"https", "http", "file"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
        SoundPlayer::instance().setvoicemaker(makeqtvoice);
    }

    template <typename T>
    T* control(Screen& screen, const QString& name) {
        T* found = screen.window()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    static void click(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    GameState& state() { return screens->state(); }

    WorkingFolder folder;
    SoundLog sounds;
    UrlLog urls;
    std::unique_ptr<ScreenRegistry> screens;
};

}  // namespace zandoli

#include <QApplication>
#include <QEvent>

#include "Platform.h"
#include "ScreenRegistry.h"
#include "Shutdown.h"
#include "TitleScreen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zandoli::installfontsubstitutions();

    zandoli::ScreenRegistry screens;
    QObject::connect(&screens, &zandoli::ScreenRegistry::programended, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    zandoli::keeprunninggame(screens);
    screens.Titlefrm().show();
    const int code = QApplication::exec();

    // Windows unloaded on the way out are freed before the screens go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

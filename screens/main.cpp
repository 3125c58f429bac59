#include <QApplication>
#include <QEvent>

#include "platform/Platform.h"
#include "screens/ScreenRegistry.h"
#include "screens/Shutdown.h"
#include "screens/TitleScreen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zandoli::installFontSubstitutions();

    zandoli::ScreenRegistry screens;
    QObject::connect(&screens, &zandoli::ScreenRegistry::programEnded, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    zandoli::keepRunningGame(screens);
    screens.title().show();
    const int code = QApplication::exec();

    // Windows unloaded on the way out are freed before the screens go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

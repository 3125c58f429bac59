#include "screens/Shutdown.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "screens/ScreenRegistry.h"

namespace zandoli {

namespace {

// [0] is written by the handler, [1] read by the event loop. One pair for
// the process: signal dispositions are process-wide anyway.
std::array<int, 2> selfPipe{-1, -1};

extern "C" void onStopSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    // Nothing to do if it fails: the pipe full means a stop is already on its way.
    (void)!::write(selfPipe[0], &byte, 1);
    errno = saved;
}

}  // namespace

SignalWatcher::SignalWatcher(std::initializer_list<int> stopSignals, QObject* parent)
    : QObject(parent) {
    if (selfPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0,
                                        selfPipe.data()) != 0) {
        selfPipe = {-1, -1};
        return;
    }
    notifier_ = new QSocketNotifier(selfPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalWatcher::drain);
    for (int number : stopSignals) {
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(number, &action, nullptr);
    }
}

SignalWatcher::~SignalWatcher() = default;

void SignalWatcher::drain() {
    char byte = 0;
    while (::read(selfPipe[1], &byte, 1) == 1) {
        emit caught(static_cast<unsigned char>(byte));
    }
}

void keepRunningGame(ScreenRegistry& screens) {
    auto* watcher = new SignalWatcher({SIGTERM, SIGINT, SIGHUP}, &screens);
    QObject::connect(watcher, &SignalWatcher::caught, &screens, [&screens] {
        screens.saveRunningGame();
        screens.endProgram();
    });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &screens,
                     [&screens](QSessionManager& /*manager*/) { screens.saveRunningGame(); });
#endif
}

}  // namespace zandoli

#include "moc_Shutdown.cpp"

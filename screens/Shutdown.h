#pragma once

#include <QObject>
#include <initializer_list>

class QSocketNotifier;

namespace zandoli {

class ScreenRegistry;

// Turns the stop signals (SIGTERM, SIGINT, SIGHUP) into a Qt signal on the
// event loop. A signal handler may do almost nothing safely, so it only
// writes the signal's number into one end of a socket pair; the other end
// wakes the event loop, where the game can be saved like any other step.
class SignalWatcher : public QObject {
    Q_OBJECT

public:
    SignalWatcher(std::initializer_list<int> stopSignals, QObject* parent = nullptr);
    ~SignalWatcher() override;
    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

signals:
    void caught(int number);

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

// Keeps a running game when the program is ended another way than the
// title's Exit: the desktop session ending saves it (the program is left
// running, and nothing is asked of the user); a stop signal saves it and
// ends the program.
void keepRunningGame(ScreenRegistry& screens);

}  // namespace zandoli

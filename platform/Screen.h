#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace zandoli {

// A screen of the program: one instance for the whole run, reached by its
// program-wide name. Loading builds the window and its controls, each at its
// fixed place, size, text and colour, titles the window "Zandoli?" with the
// game's icon, and runs the load steps; unloading destroys the window and
// controls, while the screen's own members (a table's referee, say) live on.
class Screen : public QObject {
    Q_OBJECT

public:
    explicit Screen(const QString& name);
    ~Screen() override;

    const QString& name() const { return name_; }

    // Loads the screen when it is not loaded, then shows it modeless on top.
    void show();
    // Destroys the window and its controls; nothing happens when not loaded.
    void unload();
    bool isLoaded() const { return !window_.isNull(); }
    // Builds a loaded screen's window again, at the run's scale as it now
    // stands, in place of the one there: shown if that one was, with the
    // focus on the same control. The screen's own state is kept.
    void rebuild();
    // The window, loading the screen (without showing it) when needed, as
    // reading or setting one of its controls does.
    QWidget* window();

signals:
    void shown();
    void unloaded();
    // F11 (or the desktop's own full-screen key) on a window that binds it:
    // the registry switches the run into or out of full screen.
    void fullScreenRequested();
    // A control of the screen was pressed that answers with a sound: the
    // registry plays it when sound is on.
    void soundRequested(const QString& sound);
    // The screen's own way out (Exit, Back) was pressed: the registry
    // unloads it and shows what comes after.
    void closeRequested();

protected:
    // Builds the window and every control at its fixed place and look.
    virtual QWidget* createWindow() = 0;
    // The screen's load steps, run once the controls exist.
    virtual void onLoad() {}
    // What a rebuild keeps of the old window (a box the player ticked),
    // taken while it still stands.
    virtual void onRebuilding() {}
    // The steps that take a rebuilt window up where the old one was; by
    // default the load steps.
    virtual void onRebuilt() { onLoad(); }
    // Runs just before the window is destroyed.
    virtual void onUnload() {}

    // The full-screen keys on `window` ask for full screen.
    void bindFullScreenKey(QWidget* window);

    // A window closed from its title bar counts as unloaded, so the next
    // show builds it afresh as after any other unload.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ensureLoaded();
    void build();

    QString name_;
    QPointer<QWidget> window_;
};

}  // namespace zandoli

#pragma once

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

// Services every screen uses.
namespace zandoli {

// The game names its pictures and sounds by paths relative to the working
// folder, with backslashes and in any case ("Images\opening.jpg",
// "wav\click.wav", "images\wsq2.jpg"). assetPath maps such a name to an
// absolute path: backslashes become slashes and each folder name, and the
// file name, is matched without regard to case against what exists.
QString assetPath(const QString& name);

// A picture by its name in the game (see assetPath), decoded and kept as
// `keeping` says. A null pixmap when the file is missing or unreadable. It
// shows at its own size times the run's scale (units::scale), and is made
// from the art drawn at least that large ("Images\wdial@2x.jpg",
// "Images\wdial@3x.jpg"), scaled down smoothly, with the display's device
// pixel ratio on top: as sharp as the text around it at any scale. A picture
// that shows numbers comes in the language's notation where the game has one
// ("Images\opening.comma-spaced.jpg"), else in English's.
//
// A picture of a large set that shows one at a time, for a moment each, is
// better kept Recent: the spinner's seventeen dials, kept for the run, would
// take 21 MB in full screen on 1920 x 1080.
enum class Keeping {
    ForTheRun,  // decoded once and kept for the run
    Recent,     // kept while among the last RECENT_PICTURES used so, then decoded again
};
inline constexpr int RECENT_PICTURES = 4;
QPixmap picture(const QString& name, Keeping keeping = Keeping::ForTheRun);
// Forgets the pictures kept, so that the next use of each reads its file
// again: for a working folder whose files have changed during the run.
void forgetPictures();

// Plays a WAV file by its name in the game (see assetPath) without waiting for it; a new sound
// cuts off the one playing; a missing file is silent. Every sound is loaded
// once. Callers test playSound == 1 first. (SoundPlayer.h holds the player.)
void playWav(const QString& name);

// The table size every fitted screen takes, in twips (1024 x 768 pixels at
// scale 1).
inline constexpr int FIT_WIDTH_TWIPS = 15360;
inline constexpr int FIT_HEIGHT_TWIPS = 11520;

// Where a screen's outer size, in twips at 15 to the pixel, is placed to
// centre it on an area of that size: overhanging every edge alike on an area
// smaller than the screen (which the run's scale keeps from happening).
QPoint fitPosition(QSize areaTwips, QSize screenTwips);
// The scale the run is drawn at on an area of the given size in pixels: the
// largest at which the table (1024 x 768 pixels at scale 1) fits, and no
// more than 1 unless `fill`, for full screen, where it fills the screen.
double fitScale(QSize area, bool fill);
// Sets the run's scale (units::setScale) for the primary screen: from its
// work area, less the desktop's panels, or from the whole screen in full
// screen.
void chooseScale(bool fill);
// The display's work area in pixels: the screen less the desktop's panels.
QRect availableArea();

// Gives a screen the table size at the run's scale (window frame included)
// and centres it in the work area, showing the hourglass while it works; in
// full screen it fills the screen instead (fillScreen).
void fitWindow(QWidget* screen);
// Moves a screen, keeping its size, so that it is centred in the work area.
void centreWindow(QWidget* screen);
// fitWindow and centreWindow both centre the window by its outer size. The
// frame is the window manager's and known only once it has framed a window,
// so the first framed window of a run is placed again, frame and all, when
// its frame appears.

// Full screen: the window covers the whole screen, and the controls it was
// built with, at the table's places, move to the middle of it. The screen's
// own background fills the margin.
void fillScreen(QWidget* window);
// Where the table's top-left corner lies in a window: the middle of the
// screen in full screen, else the window's own corner.
QPoint stageOrigin(const QWidget* window);

// Whether the run is in full screen: chosen at start-up (chooseFullScreen),
// changed by the player with F11 (setFullScreen, which remembers it for
// this user, with the language, in $XDG_CONFIG_HOME/zandoli/zandoli.ini).
bool fullScreen();
void setFullScreen(bool on);
// The keys that switch full screen: F11, and the desktop's own key for it
// where Qt knows one (Ctrl+Shift+F on KDE), each once, since a key bound
// twice fires neither.
QList<QKeySequence> fullScreenKeys();
// Full screen when `asked` says so (--fullscreen on the command line;
// remembered from now on), windows when it says not (--windowed; likewise),
// else as remembered.
bool chooseFullScreen(std::optional<bool> asked);

// The user's choices, remembered between runs in
// $XDG_CONFIG_HOME/zandoli/zandoli.ini.
QSettings userSettings();
// Remembers `value` under `key` in the user's choices unless it is there
// already: every write flushes the file to disk, which a busy disk or a
// school's server makes last tens of milliseconds, and a launcher that says
// the same --lesson or --fullscreen at each start should cost nothing.
void keepChoice(const QString& key, const QVariant& value);

// The players' names, one per seat from Blue's, as the set-up screen's
// Player Names took them; an empty one leaves the colour as the name.
QStringList playerNames(int seats);
void setPlayerNames(const QStringList& names);
// A name as it is kept: one line, no control characters, trimmed, at most
// MAX_NAME_LENGTH characters (record/Records.h).
QString tidyName(const QString& name);

// The display size in twips, at 15 to the pixel.
QSize displayTwips();

// The name every window of the game carries in its title bar and task-bar
// entry.
inline const QString WINDOW_TITLE = QStringLiteral("Zandoli?");

// The environment variables that choose the window system: QT_QPA_PLATFORM,
// DISPLAY, WAYLAND_DISPLAY and XDG_SESSION_TYPE.
struct Environment {
    QByteArray qtPlatform;
    QByteArray display;
    QByteArray waylandDisplay;
    QByteArray sessionType;
};
// Whether the game asks Qt for X11 rather than its choice: on a Wayland
// desktop that offers an X display as well, unless the user has named a
// platform. Only under X can the game place its windows and keep the
// backdrop beneath them.
bool preferX11(const Environment& environment);
// Asks Qt for X11 when preferX11 says so; call before the application
// object exists, which is when Qt picks its platform.
void chooseWindowSystem();

// Desktop requests; the answer is not looked at and nothing waits.
void openDocument(const QString& file);  // a file in the working folder
void openWebsite();

// The makers' short notice shown on the screens.
QString makersNotice();
// The web address the build names (-DZANDOLI_WEB_ADDRESS), or an empty
// string when it names none and the game offers its about page instead.
QString websiteAddress();

// Font substitutions for the family names the screens ask for ("Arial",
// "Tahoma", "Arial Rounded MT Bold"); call once after the
// application object exists and before any screen is built.
void installFontSubstitutions();

}  // namespace zandoli

#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

// Services every screen uses.
namespace zandoli {

// The game names its pictures and sounds by paths relative to the working
// folder, with backslashes and in any case ("Images\opening.jpg",
// "wav\click.wav", "images\wsq2.jpg"). assetPath maps such a name to an
// absolute path: backslashes become slashes and each folder name, and the
// file name, is matched without regard to case against what exists.
QString assetPath(const QString& name);

// A picture by its name in the game (see assetPath), decoded once and kept
// for the run. A null pixmap when the file is missing or unreadable. On a display with more than
// one device pixel to the logical pixel it is the picture drawn at twice the
// size ("Images\wdial@2x.jpg") with a device pixel ratio of 2, so it takes the
// same logical size; the plain picture when there is no such file. A picture
// that shows numbers comes in the language's notation where the game has one
// ("Images\opening.fr.jpg"), else in English.
const QPixmap& picture(const QString& name);
// Forgets the pictures kept, so that the next use of each reads its file
// again: for a working folder whose files have changed during the run.
void forgetPictures();

// Plays a WAV file by its name in the game (see assetPath) without waiting for it; a new sound
// cuts off the one playing; a missing file is silent. Every sound is loaded
// once. Callers test playSound == 1 first. (SoundPlayer.h holds the player.)
void playWav(const QString& name);

// The table size every fitted screen takes, in twips (1024 x 768 pixels).
inline constexpr int FIT_WIDTH_TWIPS = 15360;
inline constexpr int FIT_HEIGHT_TWIPS = 11520;

// The position fitWindow gives a screen, in twips: centred on the display, and
// overhanging every edge alike on a display smaller than the screen.
QPoint fitPosition(QSize displayTwips, QSize screenTwips);
// Gives a screen the table size (15360 x 11520 twips, window frame included)
// and centres it on its display, showing the hourglass while it works.
void fitWindow(QWidget* screen);
// Moves a screen, keeping its size, so that it is centred on the display.
void centreWindow(QWidget* screen);
// fitWindow and centreWindow both centre the window by its outer size. The
// frame is the window manager's and known only once it has framed a window,
// so the first framed window of a run is placed again, frame and all, when
// its frame appears.

// The display size in twips.
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

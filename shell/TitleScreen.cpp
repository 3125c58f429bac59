#include "TitleScreen.h"

#include <QFrame>

#include "Backdrop.h"
#include "Platform.h"
#include "SaveFile.h"
#include "ScreenRegistry.h"
#include "SetupScreen.h"
#include "ShellControls.h"
#include "ShellLook.h"
#include "Units.h"

namespace zandoli {

using namespace shellcontrols;
using namespace shelllook;

namespace {

// The black frame covering the client area; every control sits in it, so
// each control's place in the frame is its client place less the frame's.
const Place FRAME1{-60, -120, 5655, 6720};

Place inframe(Place client) {
    return Place{client.left - FRAME1.left, client.top - FRAME1.top, client.width, client.height};
}

const Face TITLE_FACE{ROUNDED, 30, true};
const Face BUTTON_FACE{ARIAL, 15.75, true};
const Face NOTICE_FACE{ARIAL, 8.25, false};

const QString OK = QStringLiteral("OK");

}  // namespace

TitleScreen::TitleScreen(ScreenRegistry& screens)
    : Screen(QStringLiteral("Titlefrm")), screens_(screens) {}

QWidget* TitleScreen::createwindow() {
    QWidget* form = makewindow(QString(), BLACK, BLANK_CAPTION);
    form->setFixedSize(units::px(SMALL_WIDTH), units::px(SMALL_HEIGHT));

    auto* frame = new QFrame(form);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(units::pxrect(FRAME1.left, FRAME1.top, FRAME1.width, FRAME1.height));
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, BLACK);
    frame->setPalette(p);
    frame->setAutoFillBackground(true);

    text(frame, QStringLiteral("Title"), TITLE_TEXT, inframe({0, 120, 5595, 735}), TITLE_FACE,
         Qt::AlignCenter);
    picture1_ = new PictureBox(frame);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAccessibleName(
        QStringLiteral("Cards showing 0.5, 50 percent, 1 over 2 and a half-shaded tile, "
                       "beside the spinner"));
    const Place picture = inframe({360, 1320, 4800, 3600});
    picture1_->setGeometry(units::pxrect(picture.left, picture.top, picture.width, picture.height));

    ButtonLabel* restart =
        button(frame, QStringLiteral("Label6"), QStringLiteral("Restart Previous Game"),
               inframe({780, 5160, 3975, 435}), BUTTON_FACE);
    label5_ =
        button(frame, QStringLiteral("Label5"), OK, inframe({1260, 5760, 1335, 435}), BUTTON_FACE);
    ButtonLabel* exit = button(frame, QStringLiteral("Label7"), QStringLiteral("Exit"),
                               inframe({2940, 5760, 1335, 435}), BUTTON_FACE);
    text(frame, QStringLiteral("Notice"), makersnotice(), inframe({0, 6300, 5535, 255}),
         NOTICE_FACE, Qt::AlignCenter);

    connect(label5_, &ButtonLabel::clicked, this, &TitleScreen::Label5_Click);
    connect(restart, &ButtonLabel::clicked, this, &TitleScreen::Label6_Click);
    connect(exit, &ButtonLabel::clicked, this, &TitleScreen::Label7_Click);
    return form;
}

void TitleScreen::Form_Load() {
    centreform(window());
    screens_.state().playsound = 1;
    // A missing picture leaves the box empty; the title works without it.
    picture1_->setpicture(OPENING_PICTURE);
}

void TitleScreen::setstartcaption(const QString& caption) {
    window();
    label5_->setText(caption);
}

QString TitleScreen::startcaption() {
    window();
    return label5_->text();
}

void TitleScreen::Label5_Click() {
    GameState& state = screens_.state();
    state.restoring = 0;
    screens_.hidedesktop = 1;
    screens_.Grey().show();
    screens_.Startplay2().show();
    unload();
    screens_.click(CLICK);
}

void TitleScreen::Label6_Click() {
    GameState& state = screens_.state();
    if (!savegame::readsave(screens_.savefile().toStdString(), state)) {
        state.restoring = 0;
        return;
    }
    state.restoring = 1;
    screens_.hidedesktop = 1;
    screens_.Grey().show();
    screens_.showtable();
    unload();
    // The click follows the Play Sound choice just read from the save.
    screens_.click(CLICK);
    state.restoring = 0;
}

void TitleScreen::Label7_Click() {
    screens_.endprogram();
}

}  // namespace zandoli

#include "screens/TitleScreen.h"

#include <QCoreApplication>
#include <QFrame>

#include "language/Numbers.h"
#include "platform/FitText.h"
#include "platform/Platform.h"
#include "platform/ScreenControls.h"
#include "platform/ScreenLook.h"
#include "platform/Speech.h"
#include "platform/Units.h"

namespace zandoli {

using namespace screenControls;
using namespace screenLook;

namespace {

// The black frame covering the client area; every control sits in it, so
// each control's place in the frame is its client place less the frame's.
constexpr TwipRect TITLE_FRAME{-60, -120, 5655, 6720};

constexpr TwipRect inFrame(TwipRect client) {
    return {client.left - TITLE_FRAME.left, client.top - TITLE_FRAME.top, client.width,
            client.height};
}

const Face BUTTON_FACE{ARIAL, 15.75, true};

}  // namespace

TitleScreen::TitleScreen(GameState& state) : Screen(QStringLiteral("title")), state_(state) {}

QWidget* TitleScreen::createWindow() {
    QWidget* form = makeWindow(QString(), screenLook::BLACK);
    form->setFixedSize(units::px(SMALL_WIDTH), units::px(SMALL_HEIGHT));

    auto* frame = new QFrame(form);
    frame->setObjectName(QStringLiteral("titleFrame"));
    frame->setGeometry(
        units::pxRect(TITLE_FRAME.left, TITLE_FRAME.top, TITLE_FRAME.width, TITLE_FRAME.height));
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, screenLook::BLACK);
    frame->setPalette(p);
    frame->setAutoFillBackground(true);
    // The frame only paints the background: the reader finds the window's
    // controls without it in between.
    speech::setName(frame, QCoreApplication::translate("Title", "title screen"));

    text(frame, QStringLiteral("titleText"), TITLE_TEXT, inFrame({0, 120, 5595, 735}), TITLE_FACE,
         Qt::AlignCenter);
    openingPicture_ = new PictureBox(frame);
    openingPicture_->setObjectName(QStringLiteral("openingPicture"));
    openingPicture_->setAccessibleName(
        QCoreApplication::translate("Title",
                                    "Cards showing %1, %2 percent, 1 over 2 and a half-shaded "
                                    "tile, beside the spinner")
            .arg(numbers::decimal(0.5), numbers::count(50)));
    const TwipRect picture = inFrame({360, 1320, 4800, 3600});
    openingPicture_->setGeometry(
        units::pxRect(picture.left, picture.top, picture.width, picture.height));

    ButtonLabel* restart = button(frame, QStringLiteral("restartButton"),
                                  QCoreApplication::translate("Title", "Restart Previous Game"),
                                  inFrame({780, 5160, 3975, 435}), BUTTON_FACE);
    okButton_ =
        button(frame, QStringLiteral("okButton"), QCoreApplication::translate("Title", "OK"),
               inFrame({1260, 5760, 1335, 435}), BUTTON_FACE);
    ButtonLabel* exit =
        button(frame, QStringLiteral("exitButton"), QCoreApplication::translate("Title", "Exit"),
               inFrame({2940, 5760, 1335, 435}), BUTTON_FACE);
    text(frame, QStringLiteral("notice"), makersNotice(), inFrame({0, 6300, 5535, 255}),
         NOTICE_FACE, Qt::AlignCenter);

    connect(okButton_, &ButtonLabel::clicked, this, &TitleScreen::okPressed);
    connect(restart, &ButtonLabel::clicked, this, &TitleScreen::restartPressed);
    connect(exit, &ButtonLabel::clicked, this, &TitleScreen::exitPressed);
    // Enter starts a game straight away, as a click on OK does.
    okButton_->setFocus(Qt::OtherFocusReason);
    speech::setDescription(restart, QCoreApplication::translate(
                                        "Title", "go back to the last game saved on the way out"));
    speech::setDescription(
        okButton_, QCoreApplication::translate("Title", "choose the players and start a new game"));
    speech::setDescription(exit, QCoreApplication::translate("Title", "end the program"));
    return form;
}

void TitleScreen::onLoad() {
    centreWindow(window());
    state_.playSound = 1;
    // A missing picture leaves the box empty; the title works without it.
    openingPicture_->setPicture(OPENING_PICTURE);
}

void TitleScreen::setStartCaption(const QString& caption) {
    window();
    okButton_->setText(caption);
    fitText(okButton_);
}

QString TitleScreen::startCaption() {
    window();
    return okButton_->text();
}

void TitleScreen::okPressed() {
    emit setupRequested();
}

void TitleScreen::restartPressed() {
    emit restoreRequested();
}

void TitleScreen::exitPressed() {
    emit closeRequested();
}

}  // namespace zandoli

#include "moc_TitleScreen.cpp"

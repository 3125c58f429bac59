#include "screens/SetupScreen.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QUrl>

#include "language/Numbers.h"
#include "platform/Choices.h"
#include "platform/FitText.h"
#include "platform/Platform.h"
#include "platform/ScreenControls.h"
#include "platform/ScreenLook.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "screens/NamesDialog.h"

namespace zandoli {

using namespace screenControls;
using namespace screenLook;

namespace {

const Face RULES_FACE{ARIAL, 20.25, true};
const Face CHECK_FACE{ARIAL, 12, true};
const Face RESULTS_FACE{ARIAL, 15.75, true};
const Face NAMES_FACE{ARIAL, 12, true};
const Face HEADING_FACE{ARIAL, 20.25, true};
const Face PLAYERS_FACE{TAHOMA, 32.25, true};
const Face WEB_FACE{TAHOMA, 12, true};
const Face EXIT_FACE{ARIAL, 12.75, true};
const Face LESSON_FACE{ARIAL, 11.25, true};

// One button for each number of players, side by side.
constexpr int PLAYER_LEFT = 360;
constexpr int PLAYER_STEP = 1320;
constexpr int PLAYER_TOP = 4680;
constexpr int PLAYER_WIDTH = 975;
constexpr int PLAYER_HEIGHT = 855;

// The web label shows the address without its scheme, to fit its width; a
// build that names no address offers the about page instead.
QString shownAddress() {
    const QString address = websiteAddress();
    if (address.isEmpty()) {
        return QCoreApplication::translate("Setup", "About Zandoli?");
    }
    const QUrl url(address);
    return url.host() + (url.path() == QLatin1String("/") ? QString() : url.path());
}

}  // namespace

SetupScreen::SetupScreen(const int16_t& hideDesktop)
    : Screen(QStringLiteral("setup")), hideDesktop_(hideDesktop) {}

bool SetupScreen::offersHideDesktop(QSize display) {
    return display.width() > HIDE_DESKTOP_MIN_WIDTH;
}

QWidget* SetupScreen::createWindow() {
    QWidget* form = makeWindow(QString(), screenLook::BLACK);
    form->setFixedSize(units::px(SMALL_WIDTH), units::px(SETUP_HEIGHT));

    text(form, QStringLiteral("titleText"), TITLE_TEXT, {0, 240, 5595, 1335}, TITLE_FACE,
         Qt::AlignHCenter | Qt::AlignTop);
    ButtonLabel* rules = button(form, QStringLiteral("rulesButton"),
                                QCoreApplication::translate("Setup", "The Rules"),
                                {600, 1440, 2295, 555}, RULES_FACE);
    connect(rules, &ButtonLabel::clicked, this, &SetupScreen::rulesPressed);
    speech::setDescription(rules,
                           QCoreApplication::translate("Setup", "show the rules of the game"));

    logo_ = new PictureBox(form);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setAccessibleName(
        QCoreApplication::translate("Setup", "Zandoli? logo: a half is %1 is %2 percent")
            .arg(numbers::decimal(0.5), numbers::count(50)));
    logo_->setGeometry(units::pxRect(3600, 1440, 1500, 2085));

    buildOptions(form);
    buildPlayerButtons(form);
    buildLessonRow(form);
    buildFooter(form);
    speech::setWindowPurpose(form,
                             QCoreApplication::translate("Setup", "choose the number of players"));
    return form;
}

void SetupScreen::buildOptions(QWidget* form) {
    playSoundBox_ = check(form, QStringLiteral("playSoundBox"),
                          QCoreApplication::translate("Setup", "Play Sound"),
                          {720, 2100, 1695, 375}, CHECK_FACE);
    playSoundBox_->setChecked(true);
    connect(playSoundBox_, &QCheckBox::clicked, this, &SetupScreen::playSoundClicked);
    // Ticked as this user left it; the load ticks it again.
    explainBox_ = check(form, QStringLiteral("explainMistakesBox"),
                        QCoreApplication::translate("Setup", "Explain Mistakes"),
                        {720, 2460, 2760, 375}, CHECK_FACE);
    connect(explainBox_, &QCheckBox::clicked, this, &SetupScreen::explainClicked);
    speech::setDescription(explainBox_,
                           QCoreApplication::translate(
                               "Setup", "after a wrong card, show why, and wait until it is read"));
    // Built hidden and ticked: the load shows it only on a display wider than
    // 800 pixels (offersHideDesktop) and ticks it to match hideDesktop.
    hideDesktopBox_ = check(form, QStringLiteral("hideDesktopBox"),
                            QCoreApplication::translate("Setup", "Hide Desktop"),
                            {720, 2820, 1935, 375}, CHECK_FACE);
    hideDesktopBox_->setChecked(true);
    hideDesktopBox_->setVisible(false);
    connect(hideDesktopBox_, &QCheckBox::clicked, this, &SetupScreen::hideDesktopClicked);

    ButtonLabel* results = button(form, QStringLiteral("resultsButton"),
                                  QCoreApplication::translate("Setup", "Results"),
                                  {600, 3240, 2295, 495}, RESULTS_FACE);
    connect(results, &ButtonLabel::clicked, this, &SetupScreen::resultsPressed);
    speech::setDescription(results, QCoreApplication::translate(
                                        "Setup", "what each player learned in the games played"));

    // Under the logo, as wide as it.
    namesButton_ =
        button(form, QStringLiteral("namesButton"), QCoreApplication::translate("Setup", "Names"),
               {3600, 3615, 1500, 330}, NAMES_FACE);
    ButtonLabel* names = namesButton_;
    connect(names, &ButtonLabel::clicked, this, &SetupScreen::namesPressed);
    bindKey(names, QKeySequence(Qt::Key_N),
            QCoreApplication::translate("Setup", "give each player a name for the results"));
}

void SetupScreen::buildPlayerButtons(QWidget* form) {
    ClickLabel* heading = text(form, QStringLiteral("playersHeading"),
                               QCoreApplication::translate("Setup", "Select Number of Players"),
                               {240, 3960, 5160, 600}, HEADING_FACE, Qt::AlignCenter);
    connect(heading, &ClickLabel::clicked, this, [this] { websitePressed(); });

    for (int i = 0; i < PLAYER_BUTTONS; ++i) {
        ButtonLabel* players = button(
            form, QStringLiteral("playersButton%1").arg(i + 1), numbers::count(i + 1),
            {PLAYER_LEFT + i * PLAYER_STEP, PLAYER_TOP, PLAYER_WIDTH, PLAYER_HEIGHT}, PLAYERS_FACE);
        connect(players, &ButtonLabel::clicked, this, [this, i] { playersPressed(i + 1); });
        // The button shows a bare figure; the reader says what it counts.
        const QString count = i == 0
                                  ? QCoreApplication::translate("Setup", "1 player")
                                  : QCoreApplication::translate("Setup", "%1 players").arg(i + 1);
        speech::setName(players, count);
        bindKey(
            players, QKeySequence(Qt::Key_1 + i),
            QCoreApplication::translate("Setup", "Select Number of Players: start a game for %1")
                .arg(count));
        auto* keypad = new QShortcut(QKeySequence(Qt::KeypadModifier | (Qt::Key_1 + i)), form);
        connect(keypad, &QShortcut::activated, players, &ButtonLabel::press);
    }
}

void SetupScreen::buildLessonRow(QWidget* form) {
    lessonName_ = text(form, QStringLiteral("lessonName"), QString(), {240, 5700, 3780, 510},
                       LESSON_FACE, Qt::AlignLeft | Qt::AlignVCenter);
    lessonName_->setWordWrap(true);
    lessonButton_ = button(form, QStringLiteral("lessonButton"),
                           QCoreApplication::translate("Setup", "Lesson…"), {4140, 5760, 1275, 375},
                           NAMES_FACE);
    connect(lessonButton_, &ButtonLabel::clicked, this, &SetupScreen::lessonPressed);
    bindKey(lessonButton_, QKeySequence(Qt::Key_L),
            QCoreApplication::translate("Setup", "choose the values and forms the class plays"));
}

void SetupScreen::showLesson() {
    lessonName_->setText(QCoreApplication::translate("Setup", "Lesson: %1")
                             .arg(choices::lessonName(choices::lesson())));
    fitText(lessonName_);
    // What a locked computer's pupils cannot change is not offered.
    const bool locked = choices::locked();
    lessonButton_->setVisible(!locked);
    namesButton_->setVisible(!locked);
}

void SetupScreen::buildFooter(QWidget* form) {
    ButtonLabel* web = button(form, QStringLiteral("websiteButton"), shownAddress(),
                              {720, 5820 + LESSON_ROW, 3315, 375}, WEB_FACE);
    connect(web, &ButtonLabel::clicked, this, [this] { websitePressed(); });
    ButtonLabel* exit =
        button(form, QStringLiteral("exitButton"), QCoreApplication::translate("Setup", "Exit"),
               {4680, 5820 + LESSON_ROW, 735, 375}, EXIT_FACE);
    connect(exit, &ButtonLabel::clicked, this, [this] { exitPressed(); });

    text(form, QStringLiteral("notice"), makersNotice(), {0, 6360 + LESSON_ROW, 5535, 255},
         NOTICE_FACE, Qt::AlignCenter);
    speech::setDescription(exit,
                           QCoreApplication::translate("Setup", "go back to the title screen"));
}

void SetupScreen::onLoad() {
    centreWindow(window());
    if (!loadSteps()) {
        // A failed step leaves the rest undone and the screen at table size.
        fitWindow(window());
    }
}

void SetupScreen::onRebuilding() {
    soundKept_ = playSoundBox_->isChecked();
}

void SetupScreen::onRebuilt() {
    onLoad();
    playSoundBox_->setChecked(soundKept_);
}

bool SetupScreen::loadSteps() {
    if (!logo_->setPicture(LOGO_PICTURE)) {
        return false;
    }
    if (offersHideDesktop(displayTwips())) {
        hideDesktopBox_->setVisible(true);
    }
    hideDesktopBox_->setChecked(hideDesktop_ != 0);
    explainBox_->setChecked(choices::explainMistakes());
    // The lesson's own sound is the box's start; a locked lesson's explain
    // is not the pupils' to change.
    const Lesson lesson = choices::lesson();
    if (lesson.sound) {
        playSoundBox_->setChecked(*lesson.sound);
    }
    explainBox_->setVisible(!(choices::locked() && lesson.explain));
    showLesson();
    return true;
}

void SetupScreen::playSoundClicked() {
    emit soundRequested(CLICK1);
}

void SetupScreen::explainClicked() {
    choices::setExplainMistakes(explainBox_->isChecked());
    emit soundRequested(CLICK1);
}

void SetupScreen::hideDesktopClicked() {
    emit soundRequested(CLICK1);
    emit hideDesktopChosen(hideDesktopBox_->isChecked());
}

void SetupScreen::playersPressed(int players) {
    emit gameRequested(players, playSoundBox_->isChecked());
}

void SetupScreen::websitePressed() {
    openWebsite();
}

void SetupScreen::exitPressed() {
    emit closeRequested();
}

void SetupScreen::resultsPressed() {
    emit resultsRequested();
}

void SetupScreen::namesPressed() {
    emit soundRequested(CLICK);
    auto* dialog = new NamesDialog(window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void SetupScreen::lessonPressed() {
    emit soundRequested(CLICK);
    emit lessonRequested();
}

void SetupScreen::rulesPressed() {
    emit rulesRequested();
}

}  // namespace zandoli

#include "moc_SetupScreen.cpp"

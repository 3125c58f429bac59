#include "SetupScreen.h"

#include "TableScreen.h"

#include <QUrl>

#include "Backdrop.h"
#include "Platform.h"
#include "RulesScreen.h"
#include "ScreenRegistry.h"
#include "ShellControls.h"
#include "ShellLook.h"
#include "TableScreen.h"
#include "TitleScreen.h"
#include "Units.h"

namespace zandoli {

using namespace shellcontrols;
using namespace shelllook;

namespace {

const Face TITLE_FACE{ROUNDED, 30, true};
const Face RULES_FACE{ARIAL, 20.25, true};
const Face CHECK_FACE{ARIAL, 12, true};
const Face HEADING_FACE{ARIAL, 20.25, true};
const Face PLAYERS_FACE{TAHOMA, 32.25, true};
const Face WEB_FACE{TAHOMA, 12, true};
const Face EXIT_FACE{ARIAL, 12.75, true};
const Face NOTICE_FACE{ARIAL, 8.25, false};

constexpr std::array<int, 4> PLAYER_LEFT{360, 1680, 3000, 4320};
constexpr int PLAYER_TOP = 4680;
constexpr int PLAYER_WIDTH = 975;
constexpr int PLAYER_HEIGHT = 855;

// The web label shows the address without its scheme, to fit its width.
QString shownaddress() {
    const QUrl url(websiteaddress());
    return url.host() + (url.path() == QLatin1String("/") ? QString() : url.path());
}

}  // namespace

SetupScreen::SetupScreen(ScreenRegistry& screens)
    : Screen(QStringLiteral("Startplay2")), screens_(screens) {}

bool SetupScreen::offershidedesktop(QSize display) {
    return display.width() > HIDE_DESKTOP_MIN_WIDTH;
}

QWidget* SetupScreen::createwindow() {
    QWidget* form = makewindow(QString(), shelllook::BLACK, BLANK_CAPTION);
    form->setFixedSize(units::px(SMALL_WIDTH), units::px(SMALL_HEIGHT));

    text(form, QStringLiteral("Title"), TITLE_TEXT, {0, 240, 5595, 1335}, TITLE_FACE,
         Qt::AlignHCenter | Qt::AlignTop);
    ButtonLabel* rules = button(form, QStringLiteral("Label6"), QStringLiteral("The Rules"),
                                {600, 1440, 2295, 555}, RULES_FACE);
    connect(rules, &ButtonLabel::clicked, this, &SetupScreen::Label6_Click);

    image2_ = new PictureBox(form);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setAccessibleName(QStringLiteral("Zandoli? logo: a half is 0.5 is 50 percent"));
    image2_->setGeometry(units::pxrect(3600, 1440, 1500, 2085));

    check1_ = check(form, QStringLiteral("Check1"), QStringLiteral("Play Sound"),
                    {720, 2160, 1695, 375}, CHECK_FACE);
    check1_->setChecked(true);
    connect(check1_, &QCheckBox::clicked, this, &SetupScreen::Check1_Click);
    // By design hidden and ticked; the load shows it and sets it.
    check3_ = check(form, QStringLiteral("Check3"), QStringLiteral("Hide Desktop"),
                    {720, 2640, 1935, 375}, CHECK_FACE);
    check3_->setChecked(true);
    check3_->setVisible(false);
    connect(check3_, &QCheckBox::clicked, this, &SetupScreen::Check3_Click);

    ClickLabel* heading =
        text(form, QStringLiteral("Label2(0)"), QStringLiteral("Select Number of Players"),
             {240, 3960, 5160, 600}, HEADING_FACE, Qt::AlignCenter);
    connect(heading, &ClickLabel::clicked, this, [this] { Label2_Click(0); });

    for (int i = 0; i < PLAYER_BUTTONS; ++i) {
        ButtonLabel* players =
            button(form, QStringLiteral("Label1(%1)").arg(i), QString::number(i + 1),
                   {PLAYER_LEFT[i], PLAYER_TOP, PLAYER_WIDTH, PLAYER_HEIGHT}, PLAYERS_FACE);
        connect(players, &ButtonLabel::clicked, this, [this, i] { Label1_Click(i); });
    }

    ButtonLabel* web = button(form, QStringLiteral("Label2(12)"), shownaddress(),
                              {720, 5820, 3315, 375}, WEB_FACE);
    connect(web, &ButtonLabel::clicked, this, [this] { Label2_Click(12); });
    ButtonLabel* exit = button(form, QStringLiteral("Label3(0)"), QStringLiteral("Exit"),
                               {4680, 5820, 735, 375}, EXIT_FACE);
    connect(exit, &ButtonLabel::clicked, this, [this] { Label3_Click(0); });

    text(form, QStringLiteral("Notice"), makersnotice(), {0, 6360, 5535, 255}, NOTICE_FACE,
         Qt::AlignCenter);
    return form;
}

void SetupScreen::Form_Load() {
    centreform(window());
    if (!loadsteps()) {
        // A failed step leaves the rest undone and the screen at table size.
        fitform(window());
    }
}

bool SetupScreen::loadsteps() {
    if (!image2_->setpicture(LOGO_PICTURE)) {
        return false;
    }
    if (offershidedesktop(displaytwips())) {
        check3_->setVisible(true);
    }
    check3_->setChecked(screens_.hidedesktop != 0);
    return true;
}

void SetupScreen::Check1_Click() {
    screens_.click(CLICK1);
}

void SetupScreen::Check3_Click() {
    screens_.click(CLICK1);
    if (check3_->isChecked()) {
        screens_.hidedesktop = 1;
        screens_.Grey().show();
    } else {
        screens_.hidedesktop = 0;
        screens_.Grey().unload();
    }
    show();
}

void SetupScreen::Label1_Click(int index) {
    screens_.tirra1().unload();
    GameState& state = screens_.state();
    state.numplayers = static_cast<int16_t>(index + 1);
    state.playsound = check1_->isChecked() ? 1 : 0;
    screens_.showtable();
    screens_.Tirrarules().unload();
    unload();
}

void SetupScreen::Label2_Click(int /*index*/) {
    openwebsite();
}

void SetupScreen::Label3_Click(int /*index*/) {
    screens_.Titlefrm().show();
    unload();
}

void SetupScreen::Label6_Click() {
    screens_.Tirrarules().show();
    screens_.click(CLICK);
}

}  // namespace zandoli

#include "RulesScreen.h"

#include <array>

#include "Platform.h"
#include "ScreenRegistry.h"
#include "ShellControls.h"
#include "ShellLook.h"
#include "Units.h"

namespace zandoli {

using namespace shellcontrols;
using namespace shelllook;

namespace {

// The design client area; the load fits the screen to the table size.
constexpr int DESIGN_WIDTH = 15330;
constexpr int DESIGN_HEIGHT = 11580;

const Face HEADING_FACE{ARIAL, 20.25, true};
const Face SUBHEADING_FACE{ARIAL, 24, true};
const Face BODY_FACE{ARIAL, 18, false};
const Face DOCUMENT_FACE{ARIAL, 12, true};
const Face EXIT_FACE{ARIAL, 18, true};

struct RulesText {
    int index;  // its member of Label1
    Place place;
    const char* text;
};

const std::array<RulesText, 7> BODY{{
    {6,
     {120, 780, 15135, 1605},
     "Zandoli? is designed for 1 - 4 players. To begin the game, click on the button showing the "
     "correct number of players. Play runs in the following sequence: Blue, Yellow, Magenta, "
     "Green."},
    {2,
     {120, 3240, 14775, 1245},
     "The computer shuffles the cards and deals 7 cards to each player. The smaller card towards "
     "the top of the screen represents the rest of the pack of cards."},
    {3,
     {120, 4440, 14895, 2805},
     "Players take it in turns to spin the spinner. If the spinner points to a shaded shape, the "
     "player can discard all their equivalent cards. To do this the player clicks on the card and "
     "it will disappear. For example, if the shape is half shaded, the player can click on the "
     "cards showing 0.5, 50%, 1/2 or the half shaded tile card to discard them. If the player "
     "clicks on an incorrect card, their turn ends and the turn passes to the next player."},
    {4,
     {120, 6960, 15135, 1605},
     "If the spinner points to a star on a blue background, the player must pick up another card "
     "from the pack. The player does this by clicking on the small card towards the top of the "
     "screen representing the pack."},
    {5,
     {120, 8640, 15135, 1245},
     "If the spinner points to a star on a red background, the player can discard any one of "
     "their cards by clicking on it."},
    {8,
     {120, 9840, 15135, 645},
     "When a player has completed their turn, they should click the 'Next Player' button."},
    {14, {120, 10680, 15135, 765}, "The first player to get rid of all their cards wins the game."},
}};

QString label1(int index) {
    return QStringLiteral("Label1(%1)").arg(index);
}

// A heading sized to its text, its top-left corner kept.
void autosize(ClickLabel* label) {
    label->adjustSize();
}

}  // namespace

RulesScreen::RulesScreen(ScreenRegistry& screens)
    : Screen(QStringLiteral("Tirrarules")), screens_(screens) {}

QWidget* RulesScreen::createwindow() {
    QWidget* form = makewindow(QString(), RULES_BACK, QString());
    // Frameless, so the fitted window is all client area and the Exit button
    // on the bottom row is never cut off by a title bar.
    form->setWindowFlag(Qt::FramelessWindowHint);
    form->resize(units::px(DESIGN_WIDTH), units::px(DESIGN_HEIGHT));

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    autosize(text(form, label1(0), QStringLiteral("The Rules of Zandoli?"), {1920, 120, 6075, 480},
                  HEADING_FACE, left));
    ButtonLabel* document =
        button(form, QStringLiteral("Label2"), QStringLiteral("Open Rules Document for Printing"),
               {10920, 120, 4275, 375}, DOCUMENT_FACE);
    connect(document, &ButtonLabel::clicked, this, &RulesScreen::Label2_Click);
    autosize(text(form, label1(1), QStringLiteral("THE RULES"), {120, 2520, 2670, 555},
                  SUBHEADING_FACE, left));
    for (const RulesText& body : BODY) {
        ClickLabel* label = text(form, label1(body.index), QString::fromUtf8(body.text), body.place,
                                 BODY_FACE, left);
        label->setWordWrap(true);
    }
    ButtonLabel* exit = button(form, QStringLiteral("Label3(0)"), QStringLiteral("Exit"),
                               {13560, 10920, 1695, 495}, EXIT_FACE);
    connect(exit, &ButtonLabel::clicked, this, [this] { Label3_Click(0); });
    return form;
}

void RulesScreen::Form_Load() {
    fitform(window());
}

void RulesScreen::Label2_Click() {
    opendocument(RULES_DOCUMENT);
    screens_.click(CLICK);
}

void RulesScreen::Label3_Click(int /*index*/) {
    unload();
    screens_.click(CLICK);
}

}  // namespace zandoli

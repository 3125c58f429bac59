#include "screens/RulesScreen.h"

#include <QCoreApplication>
#include <array>

#include "language/Language.h"
#include "language/RulesText.h"
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

const Face RULES_HEADING_FACE{ARIAL, 20.25, true};
const Face RULES_SUBHEADING_FACE{ARIAL, 24, true};
const Face BODY_FACE{ARIAL, 18, false};
const Face DOCUMENT_FACE{ARIAL, 12, true};
const Face RULES_EXIT_FACE{ARIAL, 18, true};

// Where each paragraph of the rules stands, in the order of the paragraphs: the
// number its label's object name ends in (rulesText6, ...), which readers
// of the window find it by, and its place.
struct BodyPlace {
    int index;
    TwipRect place;
};

constexpr std::array<BodyPlace, 7> BODY{{
    {6, {120, 780, 15135, 1605}},
    {2, {120, 3240, 14775, 1245}},
    {3, {120, 4440, 14895, 2400}},  // ends a line above the next paragraph
    {4, {120, 6960, 15135, 1605}},
    {5, {120, 8640, 15135, 1245}},
    {8, {120, 9840, 15135, 645}},
    {14, {120, 10680, 15135, 765}},
}};

QString textName(int index) {
    return QStringLiteral("rulesText%1").arg(index);
}

// A heading sized to its text, its top-left corner kept. It is built empty
// and then filled, so its type stays whole: it grows to its text instead of
// shrinking into the place it was built at.
void autosize(ClickLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

RulesScreen::RulesScreen() : Screen(QStringLiteral("rules")) {}

QWidget* RulesScreen::createWindow() {
    QWidget* form = makeLargeWindow();

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    autosize(text(form, textName(0), QString(), {1920, 120, 6075, 480}, RULES_HEADING_FACE, left),
             rulesText::heading());
    ButtonLabel* document =
        button(form, QStringLiteral("printButton"),
               QCoreApplication::translate("Rules", "Open Rules Document for Printing"),
               {10920, 120, 4275, 375}, DOCUMENT_FACE);
    connect(document, &ButtonLabel::clicked, this, &RulesScreen::printPressed);
    autosize(
        text(form, textName(1), QString(), {120, 2520, 2670, 555}, RULES_SUBHEADING_FACE, left),
        rulesText::subheading());
    const QStringList rules = rulesText::paragraphs();
    for (size_t i = 0; i < BODY.size(); ++i) {
        // Wrapped before it is filled, so a long paragraph fits by its lines.
        ClickLabel* label =
            text(form, textName(BODY[i].index), QString(), BODY[i].place, BODY_FACE, left);
        label->setWordWrap(true);
        label->setText(rules[static_cast<qsizetype>(i)]);
        fitText(label);
    }
    ButtonLabel* exit =
        button(form, QStringLiteral("exitButton"), QCoreApplication::translate("Rules", "Exit"),
               {13560, 10920, 1695, 495}, RULES_EXIT_FACE);
    connect(exit, &ButtonLabel::clicked, this, [this] { exitPressed(); });
    bindKey(exit, QKeySequence(Qt::Key_Escape),
            QCoreApplication::translate("Rules", "close the rules"));
    bindFullScreenKey(form);
    speech::setDescription(
        document, QCoreApplication::translate("Rules", "open the rules document to print it"));
    speech::setWindowPurpose(form, QCoreApplication::translate("Rules", "The Rules"));
    return form;
}

void RulesScreen::onLoad() {
    fitWindow(window());
}

void RulesScreen::printPressed() {
    openDocument(language::localised(rulesText::documentName()));
    emit soundRequested(CLICK);
}

void RulesScreen::exitPressed() {
    emit closeRequested();
}

}  // namespace zandoli

#include "moc_RulesScreen.cpp"

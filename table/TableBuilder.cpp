#include "table/TableBuilder.h"

#include "language/CaptionText.h"
#include "look/TableArt.h"
#include "platform/FitText.h"
#include "platform/KeyboardFocus.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/TableLook.h"

namespace zandoli {

using namespace look;

namespace {

QRect pxRect(const TwipRect& r) {
    return units::pxRect(r.left, r.top, r.width, r.height);
}

QPoint pxPoint(const TwipCorner& corner) {
    return {units::px(corner.left), units::px(corner.top)};
}

QFont boldFont(double points) {
    return units::font(look::TEXT_FONT, points, true);
}

ClickLabel* buildLabel(QWidget* window, const QString& name, const QString& text, const QFont& font,
                       Rgb colour, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* label = new ClickLabel(text, window);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextColour(colour.to<QColor>());
    label->setAlignment(alignment);
    return label;
}

PictureBox* buildPicture(QWidget* window, const QString& name, const TwipRect& place) {
    auto* box = new PictureBox(window);
    box->setObjectName(name);
    box->setGeometry(pxRect(place));
    return box;
}

struct ButtonPlan {
    QString name;
    QString text;
    TwipRect place;
    double points;
};

ButtonPlan buttonPlan(TableButton which, const TableKind& kind) {
    switch (which) {
        case TableButton::Exit:
            return {QStringLiteral("exitButton"), look::exitText(), EXIT_RECT,
                    look::SMALL_BUTTON_POINTS};
        case TableButton::NewGame:
            return {QStringLiteral("newGameButton"), look::newGameText(), NEWGAME_RECT,
                    look::SMALL_BUTTON_POINTS};
        case TableButton::NextPlayer:
            return {QStringLiteral("nextPlayerButton"), look::nextPlayerText(), kind.nextPlayerRect,
                    look::BIG_BUTTON_POINTS};
        case TableButton::Rules:
            return {QStringLiteral("rulesButton"), look::rulesText(), RULES_RECT,
                    look::SMALL_BUTTON_POINTS};
        case TableButton::Results:
            return {QStringLiteral("resultsButton"), look::resultsText(), RESULTS_RECT,
                    look::BIG_BUTTON_POINTS};
        case TableButton::ExplanationOk:
            break;  // the explanation builds its own
    }
    return {};
}

ButtonLabel* buildButton(QWidget* window, const ButtonPlan& plan) {
    auto* button = new ButtonLabel(plan.text, window);
    button->setObjectName(plan.name);
    button->setFont(boldFont(plan.points));
    button->setGeometry(pxRect(plan.place));
    fitText(button);
    return button;
}

}  // namespace

// Every control is built as the window's child; which of them show, in
// whose colours, and whether Next Player can be pressed, the view sets at
// its first show, before the window appears.
TableWindow* TableBuilder::build(TableWidgets& widgets) const {
    widgets.window = new TableWindow();
    // Behind every card, so that only the ring round a card shows.
    buildMarks(widgets);
    buildSlots(widgets);
    buildTexts(widgets, kind_);
    buildButtons(widgets, kind_);
    widgets.notice = buildLabel(widgets.window, QStringLiteral("notice"), makersNotice(),
                                boldFont(look::NOTICE_POINTS), look::NOTICE_TEXT);
    widgets.notice->setGeometry(pxRect(NOTICE_RECT));
    fitText(widgets.notice);
    if (kind_.rules.countsSpins) {
        buildSpinCount(widgets);
    }
    widgets.explanation = new ExplanationPanel(widgets.window);
    widgets.explanation->setGeometry(pxRect(DIAL_RECT));
    setReadingOrder(widgets);
    return widgets.window;
}

void TableBuilder::setReadingOrder(TableWidgets& widgets) {
    // Tab goes as a page is read: the pack at the top, the hand row by row,
    // Next Player and Spin below it, then the bottom row left to right.
    std::vector<QWidget*> order{widgets.pack};
    for (const CardSlot& slot : widgets.cardSlots) {
        order.push_back(slot.frame());
    }
    for (QWidget* control :
         {static_cast<QWidget*>(widgets.explanation->okButton()),
          static_cast<QWidget*>(widgets.button(TableButton::NextPlayer)),
          static_cast<QWidget*>(widgets.spin.data()), static_cast<QWidget*>(widgets.results.data()),
          static_cast<QWidget*>(widgets.button(TableButton::NewGame)),
          static_cast<QWidget*>(widgets.button(TableButton::Rules)),
          static_cast<QWidget*>(widgets.button(TableButton::Exit))}) {
        order.push_back(control);
    }
    keyboard::setReadingOrder(order);
}

void TableBuilder::buildSlots(TableWidgets& widgets) {
    // All thirteen frames first: every caption, bar and picture must lie in
    // front of every frame, the pack card's included.
    std::array<ShapeButton*, SHOWN_SLOTS> frames{};
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        frames[static_cast<size_t>(i)] = CardSlot::buildFrame(widgets.window, i);
    }
    widgets.pack = new ShapeButton(ShapeWidget::Kind::RoundedRectangle, widgets.window);
    widgets.pack->setObjectName(QStringLiteral("pack"));
    widgets.pack->setGeometry(pxRect(PACK_FRAME));
    widgets.pack->setBorderWidth(units::line(look::FRAME_BORDER_PX));

    widgets.cardSlots.clear();
    widgets.cardSlots.reserve(SHOWN_SLOTS);
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        widgets.cardSlots.emplace_back(widgets.window, frames[static_cast<size_t>(i)], i);
    }
}

void TableBuilder::buildTexts(TableWidgets& widgets, const TableKind& kind) {
    QWidget* window = widgets.window;
    widgets.title =
        buildLabel(window, QStringLiteral("titleText"), look::TITLE_TEXT,
                   units::font(look::TITLE_FONT, look::TITLE_POINTS, true), look::BLACK);
    widgets.title->move(pxPoint(TITLE_CORNER));
    widgets.title->adjustSize();

    widgets.caption = buildLabel(window, QStringLiteral("turnCaption"), captionText({}),
                                 boldFont(look::CAPTION_POINTS), look::BLACK);
    widgets.caption->move(pxPoint(CAPTION_CORNER));

    widgets.message = buildLabel(window, QStringLiteral("incorrectChoiceMessage"),
                                 look::messageText(), boldFont(look::MESSAGE_POINTS), WHITE);
    widgets.message->setGeometry(pxRect(kind.messageRect));
    fitText(widgets.message);

    widgets.dial = buildPicture(window, QStringLiteral("dial"), DIAL_RECT);
    // A spin shows sixteen dials in turn, each for one step.
    widgets.dial->setKeeping(Keeping::Recent);
    widgets.closeup = buildPicture(window, QStringLiteral("closeup"), CLOSEUP_RECT);
}

void TableBuilder::buildButtons(TableWidgets& widgets, const TableKind& kind) {
    widgets.spin = buildButton(widgets.window, {QStringLiteral("spinButton"), look::spinText(),
                                                SPIN_RECT, look::BIG_BUTTON_POINTS});
    for (TableButton which : TABLE_BUTTONS) {
        widgets.buttons[buttonIndex(which)] = buildButton(widgets.window, buttonPlan(which, kind));
    }
    widgets.results = buildButton(widgets.window, buttonPlan(TableButton::Results, kind));
}

void TableBuilder::buildMarks(TableWidgets& widgets) {
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        const TwipRect frame = slotFrame(i);
        auto* mark = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, widgets.window);
        mark->setObjectName(QStringLiteral("mark%1").arg(i));
        mark->setGeometry(pxRect({frame.left - MARK_MARGIN, frame.top - MARK_MARGIN,
                                  frame.width + 2 * MARK_MARGIN, frame.height + 2 * MARK_MARGIN}));
        mark->setBackColour(Qt::transparent);
        mark->setBorderWidth(units::line(look::MARK_BORDER_PX));
        mark->hide();
        widgets.marks[static_cast<size_t>(i)] = mark;
    }
}

// Both take the colour of the player to move from the colour scheme.
void TableBuilder::buildSpinCount(TableWidgets& widgets) {
    widgets.spinsCaption =
        buildLabel(widgets.window, QStringLiteral("spinsCaption"), look::spinsCaptionText(),
                   boldFont(look::SPINS_CAPTION_POINTS), look::BLACK, Qt::AlignLeft | Qt::AlignTop);
    widgets.spinsCaption->setGeometry(pxRect(SPINS_CAPTION_RECT));
    fitText(widgets.spinsCaption);
    // The count is empty until the first spin of a game stops.
    widgets.spinCount = buildLabel(widgets.window, QStringLiteral("spinCount"), QString(),
                                   boldFont(look::SPINCOUNT_POINTS), look::BLACK);
    widgets.spinCount->setGeometry(pxRect(SPINCOUNT_RECT));
    widgets.spinCount->setFrameStyle(QFrame::Box | QFrame::Plain);
    widgets.spinCount->setLineWidth(units::line(1));
}

void TableBuilder::prepare(TableWidgets& widgets) {
    widgets.window->setBackground(TABLE_BACKGROUND.to<QColor>());
    widgets.dial->setPicture(QString::fromLatin1(DIAL_AT_REST));
    widgets.closeup->setPicture(QString::fromLatin1(CLOSEUP_AT_REST));
    for (CardSlot& slot : widgets.cardSlots) {
        slot.setup();
    }
}

}  // namespace zandoli

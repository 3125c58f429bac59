// Building the table's window: every control at its place with its design look.
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/TableScreen.h"

namespace zandoli {

namespace {

QRect pxRect(const TwipRect& r) {
    return units::pxRect(r.left, r.top, r.width, r.height);
}

ClickLabel* buildLabel(QWidget* window, const QString& name, const QString& text, const QFont& font,
                       Rgb colour) {
    auto* label = new ClickLabel(text, window);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextColour(look::toQColor(colour));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

PictureBox* buildPicture(QWidget* window, const QString& name, int left, int top, int size) {
    auto* box = new PictureBox(window);
    box->setObjectName(name);
    box->setGeometry(units::pxRect(left, top, size, size));
    return box;
}

}  // namespace

QWidget* TableScreen::createWindow() {
    auto* window = new TableWindow();
    window_ = window;
    buildSlots(window);
    buildControls(window);
    nameControls();
    connect(window, &TableWindow::pressed, this, [this](QPointF at) { tablePressed(at); });
    return window;
}

void TableScreen::buildSlots(TableWindow* window) {
    // All thirteen frames first: every caption, bar and picture must lie in
    // front of every frame, the pack card's included.
    std::array<ShapeWidget*, SHOWN_SLOTS> frames{};
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        frames[static_cast<size_t>(i)] = CardSlot::buildFrame(window, i);
    }
    pack_ = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, window);
    pack_->setObjectName(QStringLiteral("pack"));
    pack_->setGeometry(pxRect(PACK_FRAME));
    pack_->setBackColour(look::toQColor(look::PACK_BACK));
    pack_->setBorderWidth(look::FRAME_BORDER_PX);
    pack_->hide();

    slots_.clear();
    slots_.reserve(SHOWN_SLOTS);
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        slots_.emplace_back(window, frames[static_cast<size_t>(i)], i);
        const CardSlot& slot = slots_.back();
        // The second line and the picture are parts of the card like its caption.
        connect(slot.caption(), &ClickLabel::clicked, this, [this, i] { cardClicked(i); });
        connect(slot.secondLine(), &ClickLabel::clicked, this, [this, i] { cardClicked(i); });
        connect(slot.picture(), &PictureBox::clicked, this, [this, i] { cardClicked(i); });
    }
}

ButtonLabel* TableScreen::buildButton(TableWindow* window, const QString& name, const QString& text,
                                      const TwipRect& place, double points) {
    auto* button = new ButtonLabel(text, window);
    button->setObjectName(name);
    button->setFont(units::font(look::TEXT_FONT, points, true));
    button->setTextColour(look::toQColor(look::BUTTON_TEXT));
    button->setBackColour(Qt::black);
    button->setGeometry(pxRect(place));
    return button;
}

void TableScreen::buildControls(TableWindow* window) {
    title_ = buildLabel(window, QStringLiteral("titleText"), look::TITLE_TEXT,
                        units::font(look::TITLE_FONT, look::TITLE_POINTS, true), look::DESIGN_TEXT);
    title_->move(units::px(look::TITLE_LEFT), units::px(look::TITLE_TOP));
    title_->adjustSize();

    caption_ =
        buildLabel(window, QStringLiteral("turnCaption"), look::FIRST_CAPTION_TEXT,
                   units::font(look::TEXT_FONT, look::CAPTION_POINTS, true), look::DESIGN_TEXT);
    caption_->move(units::px(look::CAPTION_LEFT), units::px(look::CAPTION_TOP));
    caption_->adjustSize();
    caption_->hide();

    message_ = buildLabel(window, design_.messageName, look::MESSAGE_TEXT,
                          units::font(look::TEXT_FONT, look::MESSAGE_POINTS, true), WHITE);
    message_->setGeometry(pxRect(design_.messageRect));
    message_->hide();

    dial_ = buildPicture(window, QStringLiteral("dial"), look::DIAL_LEFT, look::DIAL_TOP,
                         look::DIAL_SIZE);
    closeup_ = buildPicture(window, QStringLiteral("closeup"), look::CLOSEUP_LEFT,
                            look::CLOSEUP_TOP, look::CLOSEUP_SIZE);

    spin_ = buildButton(window, QStringLiteral("spinButton"), look::SPIN_TEXT, look::SPIN_RECT,
                        look::BIG_BUTTON_POINTS);
    connect(spin_, &ButtonLabel::clicked, this, [this] { spinPressed(); });

    const std::array<QString, look::BUTTON_COUNT> names = {
        QStringLiteral("exitButton"), QStringLiteral("newGameButton"),
        QStringLiteral("nextPlayerButton"), QStringLiteral("rulesButton")};
    const std::array<QString, look::BUTTON_COUNT> texts = {look::EXIT_TEXT, look::NEWGAME_TEXT,
                                                           look::NEXTPLAYER_TEXT, look::RULES_TEXT};
    const std::array<TwipRect, look::BUTTON_COUNT> places = {
        look::EXIT_RECT, look::NEWGAME_RECT, design_.nextPlayerRect, look::RULES_RECT};
    for (int i = 0; i < look::BUTTON_COUNT; ++i) {
        const auto at = static_cast<size_t>(i);
        const double points =
            i == look::NEXTPLAYER_BUTTON ? look::BIG_BUTTON_POINTS : look::SMALL_BUTTON_POINTS;
        buttons_[at] = buildButton(window, names[at], texts[at], places[at], points);
        connect(buttons_[at], &ButtonLabel::clicked, this,
                [this, i] { buttonPressed(static_cast<TableButton>(i)); });
    }
    buttons_[look::NEXTPLAYER_BUTTON]->setEnabled(false);
    buttons_[look::NEXTPLAYER_BUTTON]->hide();

    notice_ =
        buildLabel(window, QStringLiteral("notice"), makersNotice(),
                   units::font(look::TEXT_FONT, look::NOTICE_POINTS, true), look::NOTICE_TEXT);
    notice_->setGeometry(pxRect(look::NOTICE_RECT));
}

}  // namespace zandoli

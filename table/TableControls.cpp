// Building the table's window: every control at its place with its design look.
#include "Platform.h"
#include "TableScreen.h"
#include "Units.h"

namespace zandoli {

namespace {

QRect pxrect(const TwipRect& r) {
    return units::pxrect(r.left, r.top, r.width, r.height);
}

ClickLabel* buildlabel(QWidget* window, const QString& name, const QString& text, const QFont& font,
                       Rgb colour) {
    auto* label = new ClickLabel(text, window);
    label->setObjectName(name);
    label->setFont(font);
    label->settextcolour(look::qcolour(colour));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

PictureBox* buildpicture(QWidget* window, const QString& name, int left, int top, int size) {
    auto* box = new PictureBox(window);
    box->setObjectName(name);
    box->setGeometry(units::pxrect(left, top, size, size));
    return box;
}

}  // namespace

QWidget* TableScreen::createwindow() {
    auto* window = new TableWindow();
    window_ = window;
    buildslots(window);
    buildcontrols(window);
    namecontrols();
    connect(window, &TableWindow::pressed, this,
            [this](int button, int shift, QPointF at) { Form_MouseDown(button, shift, at); });
    return window;
}

void TableScreen::buildslots(TableWindow* window) {
    // All thirteen frames first: every caption, bar and picture must lie in
    // front of every frame, the pack card's included.
    std::array<ShapeWidget*, SHOWN_SLOTS> frames{};
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        frames[static_cast<size_t>(i)] = CardSlot::buildframe(window, i);
    }
    pack_ = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, window);
    pack_->setObjectName(QStringLiteral("Shape4_12"));
    pack_->setGeometry(pxrect(PACK_FRAME));
    pack_->setbackcolour(look::qcolour(look::PACK_BACK));
    pack_->setborderwidth(look::FRAME_BORDER_PX);
    pack_->hide();

    slots_.clear();
    slots_.reserve(SHOWN_SLOTS);
    for (int i = 0; i < SHOWN_SLOTS; ++i) {
        slots_.emplace_back(window, frames[static_cast<size_t>(i)], i);
        const CardSlot& slot = slots_.back();
        connect(slot.caption(), &ClickLabel::clicked, this, [this, i] { Label4_Click(i); });
        connect(slot.secondline(), &ClickLabel::clicked, this, [this, i] { Label5_Click(i); });
        connect(slot.picture(), &PictureBox::clicked, this, [this, i] { Image3_Click(i); });
    }
}

ButtonLabel* TableScreen::buildbutton(TableWindow* window, const QString& name, const QString& text,
                                      const TwipRect& place, double points) {
    auto* button = new ButtonLabel(text, window);
    button->setObjectName(name);
    button->setFont(units::font(look::TEXT_FONT, points, true));
    button->settextcolour(look::qcolour(look::BUTTON_TEXT));
    button->setbackcolour(Qt::black);
    button->setGeometry(pxrect(place));
    return button;
}

void TableScreen::buildcontrols(TableWindow* window) {
    title_ = buildlabel(window, QStringLiteral("Label9"), look::TITLE_TEXT,
                        units::font(look::TITLE_FONT, look::TITLE_POINTS, true), look::DESIGN_TEXT);
    title_->move(units::px(look::TITLE_LEFT), units::px(look::TITLE_TOP));
    title_->adjustSize();

    caption_ =
        buildlabel(window, QStringLiteral("Label2"), look::FIRST_CAPTION_TEXT,
                   units::font(look::TEXT_FONT, look::CAPTION_POINTS, true), look::DESIGN_TEXT);
    caption_->move(units::px(look::CAPTION_LEFT), units::px(look::CAPTION_TOP));
    caption_->adjustSize();
    caption_->hide();

    message_ = buildlabel(window, design_.messagename, look::MESSAGE_TEXT,
                          units::font(look::TEXT_FONT, look::MESSAGE_POINTS, true), WHITE);
    message_->setGeometry(pxrect(design_.messagerect));
    message_->hide();

    dial_ = buildpicture(window, QStringLiteral("Image1"), look::DIAL_LEFT, look::DIAL_TOP,
                         look::DIAL_SIZE);
    closeup_ = buildpicture(window, QStringLiteral("Image2"), look::CLOSEUP_LEFT, look::CLOSEUP_TOP,
                            look::CLOSEUP_SIZE);

    spin_ = buildbutton(window, QStringLiteral("Label7"), look::SPIN_TEXT, look::SPIN_RECT,
                        look::BIG_BUTTON_POINTS);
    connect(spin_, &ButtonLabel::clicked, this, [this] { Label7_Click(); });

    const std::array<QString, look::BUTTON_COUNT> texts = {look::EXIT_TEXT, look::NEWGAME_TEXT,
                                                           look::NEXTPLAYER_TEXT, look::RULES_TEXT};
    const std::array<TwipRect, look::BUTTON_COUNT> places = {
        look::EXIT_RECT, look::NEWGAME_RECT, design_.nextplayerrect, look::RULES_RECT};
    for (int i = 0; i < look::BUTTON_COUNT; ++i) {
        const auto at = static_cast<size_t>(i);
        const double points =
            i == look::NEXTPLAYER_BUTTON ? look::BIG_BUTTON_POINTS : look::SMALL_BUTTON_POINTS;
        buttons_[at] =
            buildbutton(window, QStringLiteral("Label3_%1").arg(i), texts[at], places[at], points);
        connect(buttons_[at], &ButtonLabel::clicked, this, [this, i] { Label3_Click(i); });
    }
    buttons_[look::NEXTPLAYER_BUTTON]->setEnabled(false);
    buttons_[look::NEXTPLAYER_BUTTON]->hide();

    notice_ =
        buildlabel(window, QStringLiteral("notice"), makersnotice(),
                   units::font(look::TEXT_FONT, look::NOTICE_POINTS, true), look::NOTICE_TEXT);
    notice_->setGeometry(pxrect(look::NOTICE_RECT));
}

}  // namespace zandoli

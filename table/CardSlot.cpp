#include "CardSlot.h"

#include "CardWords.h"
#include "Cards.h"
#include "Speech.h"
#include "TableLook.h"
#include "Units.h"

namespace zandoli {

namespace {

// Offsets of the front elements from their frame, in twips.
constexpr int TEXT_LEFT = 30;
constexpr int HIGH_TEXT_TOP = 120;    // the "1" and a numerator
constexpr int LOW_TEXT_TOP = 600;     // decimals and percentages, mid-card
constexpr int LOADED_TEXT_TOP = 240;  // where a caption waits before its first face
constexpr int SECOND_LINE_TOP = 1080;
constexpr int BAR_LEFT = 360;
constexpr int BAR_TOP = 960;
constexpr int BAR_WIDTH = 855;
constexpr int BAR_HEIGHT = 105;
constexpr int PICTURE_LEFT = 180;
constexpr int PICTURE_TOP = 120;
// A tile picture's size, which the box keeps when a picture cannot be read.
constexpr int PICTURE_WIDTH = 1200;
constexpr int PICTURE_HEIGHT = 1800;

constexpr double WHOLE_POINTS = 72;
constexpr double NUMBER_POINTS = 36;  // decimals, numerators and denominators
constexpr double PERCENT_POINTS = 30;

QString slotname(const char* control, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(index);
}

ClickLabel* buildline(QWidget* window, const char* control, int index) {
    auto* label = new ClickLabel(window);
    label->setObjectName(slotname(control, index));
    label->setFont(units::font(look::TEXT_FONT, NUMBER_POINTS, true));
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

}  // namespace

ShapeWidget* CardSlot::buildframe(QWidget* window, int index) {
    auto* frame = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, window);
    frame->setObjectName(slotname("Shape4", index));
    const TwipRect r = slotframe(index);
    frame->setGeometry(units::pxrect(r.left, r.top, r.width, r.height));
    frame->setborderwidth(look::FRAME_BORDER_PX);
    frame->hide();
    return frame;
}

CardSlot::CardSlot(QWidget* window, ShapeWidget* frame, int index)
    : place_(slotframe(index)), frame_(frame) {
    speech::setdescription(frame_, QStringLiteral("a card in your hand: click it to discard it "
                                                  "when it matches the spinner"));
    caption_ = buildline(window, "Label4", index);
    secondline_ = buildline(window, "Label5", index);

    bar_ = new ShapeWidget(ShapeWidget::Kind::Rectangle, window);
    bar_->setObjectName(slotname("Shape1", index));
    bar_->setborderwidth(look::BAR_BORDER_PX);
    bar_->resize(units::px(BAR_WIDTH), units::px(BAR_HEIGHT));
    bar_->hide();

    picture_ = new PictureBox(window);
    picture_->setObjectName(slotname("Image3", index));
    picture_->resize(units::px(PICTURE_WIDTH), units::px(PICTURE_HEIGHT));
    picture_->hide();
}

void CardSlot::setup() {
    if (caption_.isNull()) {
        return;
    }
    caption_->move(units::px(place_.left + TEXT_LEFT), units::px(place_.top + LOADED_TEXT_TOP));
    secondline_->move(units::px(place_.left + TEXT_LEFT), units::px(place_.top + SECOND_LINE_TOP));
    bar_->move(units::px(place_.left + BAR_LEFT), units::px(place_.top + BAR_TOP));
    picture_->move(units::px(place_.left + PICTURE_LEFT), units::px(place_.top + PICTURE_TOP));
    caption_->raise();
    secondline_->raise();
    bar_->raise();
    picture_->raise();
}

void CardSlot::hide() {
    if (frame_.isNull() || caption_.isNull()) {
        return;
    }
    caption_->hide();
    secondline_->hide();
    bar_->hide();
    picture_->hide();
    frame_->hide();
    setspokenname(QString());
}

void CardSlot::setspokenname(const QString& words) {
    // The frame stands for the card; its parts read the same, so a screen
    // reader that lands on the caption or the picture hears the whole card
    // rather than "3" or "10".
    speech::setname(frame_, words);
    for (QWidget* part :
         {static_cast<QWidget*>(caption_.data()), static_cast<QWidget*>(secondline_.data()),
          static_cast<QWidget*>(picture_.data())}) {
        speech::setname(part, words);
    }
}

void CardSlot::setline(ClickLabel* label, const QString& text, double points, int top) {
    label->setFont(units::font(look::TEXT_FONT, points, true));
    label->setText(text);
    // The text starts just inside the frame whatever its width: the label
    // grows to the right from a fixed left edge.
    label->move(units::px(place_.left + TEXT_LEFT), units::px(place_.top + top));
    label->adjustSize();
}

void CardSlot::drawface(int card, const QColor& playercolour) {
    if (frame_.isNull() || caption_.isNull() || card < 0 || card >= CATALOGUE_SIZE) {
        return;
    }
    const CardEntry& entry = cardcatalogue()[static_cast<size_t>(card)];
    switch (static_cast<CardKind>(entry.cardkind)) {
        case CardKind::Whole:
            setline(caption_, QStringLiteral("1"), WHOLE_POINTS, HIGH_TEXT_TOP);
            caption_->show();
            break;
        case CardKind::Decimal:
            setline(caption_, QString::fromStdString(decimaltext(entry.cardvalue)), NUMBER_POINTS,
                    LOW_TEXT_TOP);
            caption_->show();
            break;
        case CardKind::Percent:
            setline(caption_, QString::fromStdString(percenttext(entry.cardvalue)), PERCENT_POINTS,
                    LOW_TEXT_TOP);
            caption_->show();
            break;
        case CardKind::Fraction:
            setline(caption_, QString::number(entry.cardnum), NUMBER_POINTS, HIGH_TEXT_TOP);
            setline(secondline_, QString::number(entry.cardden), NUMBER_POINTS, SECOND_LINE_TOP);
            caption_->show();
            secondline_->show();
            bar_->show();
            break;
        case CardKind::Tile:
            // A tile card sits on a black frame bordered in the player colour;
            // the frame stays so until the next turn change recolours it,
            // whatever is drawn in the slot meanwhile.
            frame_->setbackcolour(Qt::black);
            frame_->setbordercolour(playercolour);
            picture_->setpicture(QString::fromStdString(tilepicture(static_cast<int16_t>(card))));
            picture_->show();
            break;
        default:
            return;
    }
    setspokenname(QString::fromStdString(cardwords(static_cast<int16_t>(card))));
    frame_->show();
}

void CardSlot::applycolours(const QColor& playercolour, const QColor& textcolour) {
    if (frame_.isNull() || caption_.isNull()) {
        return;
    }
    frame_->setbackcolour(playercolour);
    frame_->setbordercolour(Qt::black);
    caption_->settextcolour(textcolour);
    secondline_->settextcolour(textcolour);
    bar_->setbackcolour(textcolour);
    bar_->setbordercolour(textcolour);
}

}  // namespace zandoli

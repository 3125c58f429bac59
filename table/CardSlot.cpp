#include "table/CardSlot.h"

#include "engine/Cards.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/CardWords.h"
#include "table/TableLook.h"

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

QString slotName(const char* control, int index) {
    return QStringLiteral("%1%2").arg(QLatin1String(control)).arg(index);
}

ClickLabel* buildLine(QWidget* window, const char* control, int index) {
    auto* label = new ClickLabel(window);
    label->setObjectName(slotName(control, index));
    label->setFont(units::font(look::TEXT_FONT, NUMBER_POINTS, true));
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

}  // namespace

ShapeWidget* CardSlot::buildFrame(QWidget* window, int index) {
    auto* frame = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, window);
    frame->setObjectName(slotName("cardFrame", index));
    const TwipRect r = slotFrame(index);
    frame->setGeometry(units::pxRect(r.left, r.top, r.width, r.height));
    frame->setBorderWidth(look::FRAME_BORDER_PX);
    frame->hide();
    return frame;
}

CardSlot::CardSlot(QWidget* window, ShapeWidget* frame, int index)
    : place_(slotFrame(index)), frame_(frame) {
    speech::setDescription(frame_, QStringLiteral("a card in your hand: click it to discard it "
                                                  "when it matches the spinner"));
    caption_ = buildLine(window, "cardCaption", index);
    secondLine_ = buildLine(window, "cardSecondLine", index);

    bar_ = new ShapeWidget(ShapeWidget::Kind::Rectangle, window);
    bar_->setObjectName(slotName("fractionBar", index));
    bar_->setBorderWidth(look::BAR_BORDER_PX);
    bar_->resize(units::px(BAR_WIDTH), units::px(BAR_HEIGHT));
    bar_->hide();

    picture_ = new PictureBox(window);
    picture_->setObjectName(slotName("cardPicture", index));
    picture_->resize(units::px(PICTURE_WIDTH), units::px(PICTURE_HEIGHT));
    picture_->hide();
}

void CardSlot::setup() {
    if (caption_.isNull()) {
        return;
    }
    caption_->move(units::px(place_.left + TEXT_LEFT), units::px(place_.top + LOADED_TEXT_TOP));
    secondLine_->move(units::px(place_.left + TEXT_LEFT), units::px(place_.top + SECOND_LINE_TOP));
    bar_->move(units::px(place_.left + BAR_LEFT), units::px(place_.top + BAR_TOP));
    picture_->move(units::px(place_.left + PICTURE_LEFT), units::px(place_.top + PICTURE_TOP));
    caption_->raise();
    secondLine_->raise();
    bar_->raise();
    picture_->raise();
}

void CardSlot::hide() {
    if (frame_.isNull() || caption_.isNull()) {
        return;
    }
    caption_->hide();
    secondLine_->hide();
    bar_->hide();
    picture_->hide();
    frame_->hide();
    setSpokenName(QString());
}

void CardSlot::setSpokenName(const QString& words) {
    // The frame stands for the card; its parts read the same, so a screen
    // reader that lands on the caption or the picture hears the whole card
    // rather than "3" or "10".
    speech::setName(frame_, words);
    for (QWidget* part :
         {static_cast<QWidget*>(caption_.data()), static_cast<QWidget*>(secondLine_.data()),
          static_cast<QWidget*>(picture_.data())}) {
        speech::setName(part, words);
    }
}

void CardSlot::setLine(ClickLabel* label, const QString& text, double points, int top) {
    label->setFont(units::font(look::TEXT_FONT, points, true));
    label->setText(text);
    // The text starts just inside the frame whatever its width: the label
    // grows to the right from a fixed left edge.
    label->move(units::px(place_.left + TEXT_LEFT), units::px(place_.top + top));
    label->adjustSize();
}

void CardSlot::drawFace(int card, const QColor& playerColour) {
    if (frame_.isNull() || caption_.isNull() || card < 0 || card >= CATALOGUE_SIZE) {
        return;
    }
    const CardEntry& entry = cardCatalogue()[static_cast<size_t>(card)];
    switch (static_cast<CardKind>(entry.cardKind)) {
        case CardKind::Whole:
            setLine(caption_, QStringLiteral("1"), WHOLE_POINTS, HIGH_TEXT_TOP);
            caption_->show();
            break;
        case CardKind::Decimal:
            setLine(caption_, QString::fromStdString(decimalText(entry.cardValue)), NUMBER_POINTS,
                    LOW_TEXT_TOP);
            caption_->show();
            break;
        case CardKind::Percent:
            setLine(caption_, QString::fromStdString(percentText(entry.cardValue)), PERCENT_POINTS,
                    LOW_TEXT_TOP);
            caption_->show();
            break;
        case CardKind::Fraction:
            setLine(caption_, QString::number(entry.cardNumerator), NUMBER_POINTS, HIGH_TEXT_TOP);
            setLine(secondLine_, QString::number(entry.cardDenominator), NUMBER_POINTS,
                    SECOND_LINE_TOP);
            caption_->show();
            secondLine_->show();
            bar_->show();
            break;
        case CardKind::Tile:
            // A tile card sits on a black frame bordered in the player colour;
            // the frame stays so until the next turn change recolours it,
            // whatever is drawn in the slot meanwhile.
            frame_->setBackColour(Qt::black);
            frame_->setBorderColour(playerColour);
            picture_->setPicture(QString::fromStdString(tilePicture(static_cast<int16_t>(card))));
            picture_->show();
            break;
        default:
            return;
    }
    setSpokenName(QString::fromStdString(cardWords(static_cast<int16_t>(card))));
    frame_->show();
}

void CardSlot::applyColours(const QColor& playerColour, const QColor& textColour) {
    if (frame_.isNull() || caption_.isNull()) {
        return;
    }
    frame_->setBackColour(playerColour);
    frame_->setBorderColour(Qt::black);
    caption_->setTextColour(textColour);
    secondLine_->setTextColour(textColour);
    bar_->setBackColour(textColour);
    bar_->setBorderColour(textColour);
}

}  // namespace zandoli

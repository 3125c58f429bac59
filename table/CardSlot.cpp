#include "table/CardSlot.h"

#include <QCoreApplication>

#include "engine/Cards.h"
#include "language/Numbers.h"
#include "look/TableArt.h"
#include "platform/Platform.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "table/CardWords.h"
#include "table/TableLook.h"

namespace zandoli {

using namespace look;

namespace {

QString slotName(const char* control, int index) {
    return QStringLiteral("%1%2").arg(QLatin1String(control)).arg(index);
}

ClickLabel* buildLine(QWidget* window, const char* control, int index) {
    auto* label = new ClickLabel(window);
    label->setObjectName(slotName(control, index));
    label->setAlignment(Qt::AlignCenter);
    label->hide();
    return label;
}

}  // namespace

ShapeButton* CardSlot::buildFrame(QWidget* window, int index) {
    auto* frame = new ShapeButton(ShapeWidget::Kind::RoundedRectangle, window);
    frame->setObjectName(slotName("cardFrame", index));
    const TwipRect r = slotFrame(index);
    frame->setGeometry(units::pxRect(r.left, r.top, r.width, r.height));
    frame->setBorderWidth(units::line(look::FRAME_BORDER_PX));
    frame->hide();
    return frame;
}

CardSlot::CardSlot(QWidget* window, ShapeButton* frame, int index)
    : place_(slotFrame(index)), frame_(frame) {
    speech::setDescription(
        frame_, QCoreApplication::translate("Table",
                                            "a card in your hand: press it to discard it when it "
                                            "matches the spinner. Keys: arrows to move between "
                                            "cards, Space or Enter to press"));
    caption_ = buildLine(window, "cardCaption", index);
    secondLine_ = buildLine(window, "cardSecondLine", index);

    bar_ = new ShapeWidget(ShapeWidget::Kind::Rectangle, window);
    bar_->setObjectName(slotName("fractionBar", index));
    bar_->setBorderWidth(units::line(look::BAR_BORDER_PX));
    bar_->resize(units::px(CARD_BAR.width), units::px(CARD_BAR.height));
    bar_->hide();

    picture_ = new PictureBox(window);
    picture_->setObjectName(slotName("cardPicture", index));
    picture_->resize(units::px(CARD_PICTURE.width), units::px(CARD_PICTURE.height));
    picture_->hide();
    for (QWidget* part : parts()) {
        speech::hideFromReader(part);
    }
}

std::array<QWidget*, 4> CardSlot::parts() const {
    return {caption_.data(), secondLine_.data(), bar_.data(), picture_.data()};
}

void CardSlot::setup() {
    if (frame_.isNull()) {
        return;
    }
    caption_->move(at(CARD_TEXT_LEFT, CARD_LOADED_TEXT_TOP));
    secondLine_->move(at(CARD_TEXT_LEFT, CARD_SECOND_LINE_TOP));
    bar_->move(at(CARD_BAR.left, CARD_BAR.top));
    picture_->move(at(CARD_PICTURE.left, CARD_PICTURE.top));
}

QPoint CardSlot::at(int left, int top) const {
    return stageOrigin(frame_->parentWidget()) +
           QPoint(units::px(place_.left + left), units::px(place_.top + top));
}

void CardSlot::hide() {
    if (frame_.isNull()) {
        return;
    }
    for (QWidget* part : parts()) {
        part->hide();
    }
    frame_->hide();
    card_ = NO_CARD;
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
    label->move(at(CARD_TEXT_LEFT, top));
    label->adjustSize();
}

void CardSlot::drawFace(int card, const QColor& playerColour) {
    if (frame_.isNull() || !isCard(static_cast<int16_t>(card))) {
        return;
    }
    // A face shows its own parts only: a card drawn over another in the slot,
    // as a new turn lays out its hand, leaves nothing of the one before.
    for (QWidget* part : parts()) {
        part->hide();
    }
    const CardEntry& entry = cardCatalogue()[static_cast<size_t>(card)];
    if (static_cast<CardKind>(entry.kind) == CardKind::Tile) {
        drawTile(static_cast<int16_t>(card), playerColour);
    } else if (!drawNumber(entry)) {
        return;
    }
    setSpokenName(cardWords(static_cast<int16_t>(card)));
    frame_->show();
    card_ = static_cast<int16_t>(card);
}

bool CardSlot::drawNumber(const CardEntry& entry) {
    switch (static_cast<CardKind>(entry.kind)) {
        case CardKind::Whole:
            setLine(caption_, numbers::count(1), look::WHOLE_POINTS, CARD_HIGH_TEXT_TOP);
            break;
        case CardKind::Decimal:
            setLine(caption_, numbers::decimal(entry.value), look::NUMBER_POINTS,
                    CARD_LOW_TEXT_TOP);
            break;
        case CardKind::Percent:
            setLine(caption_, numbers::percent(entry.value), look::PERCENT_POINTS,
                    CARD_LOW_TEXT_TOP);
            break;
        case CardKind::Fraction:
            setLine(caption_, numbers::count(entry.numerator), look::NUMBER_POINTS,
                    CARD_HIGH_TEXT_TOP);
            setLine(secondLine_, numbers::count(entry.denominator), look::NUMBER_POINTS,
                    CARD_SECOND_LINE_TOP);
            caption_->show();
            secondLine_->show();
            bar_->show();
            return true;
        default:
            return false;
    }
    caption_->show();
    return true;
}

void CardSlot::drawTile(int16_t card, const QColor& playerColour) {
    // A tile card sits on a black frame bordered in the player colour; the
    // frame stays so until the next turn change recolours it, whatever is
    // drawn in the slot meanwhile.
    frame_->setBackColour(Qt::black);
    frame_->setBorderColour(playerColour);
    picture_->setPicture(QString::fromStdString(look::tilePicture(card)));
    picture_->show();
}

void CardSlot::applyColours(const QColor& playerColour, const QColor& textColour) {
    if (frame_.isNull()) {
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

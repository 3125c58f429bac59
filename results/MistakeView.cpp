#include "results/MistakeView.h"

#include <QPainter>

#include "look/Colours.h"
#include "look/TableLayout.h"
#include "platform/ScreenLook.h"
#include "platform/Speech.h"
#include "results/ResultsWords.h"
#include "table/CardPainter.h"

namespace zandoli {

namespace {

// The card keeps the table's proportions; the shape is square and as tall.
constexpr double CARD_ASPECT = static_cast<double>(look::SLOT_WIDTH) / look::SLOT_HEIGHT;
// The gap between the pictures and before the text, of the widget's height.
constexpr double GAP_SHARE = 0.12;

}  // namespace

MistakeView::MistakeView(QWidget* parent) : QWidget(parent), text_(new ClickLabel(this)) {
    text_->setTextColour(screenLook::YELLOW);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text_->setWordWrap(true);
    speech::hideFromReader(text_);
}

void MistakeView::setMistake(const MistakeExample& mistake, int colour) {
    mistake_ = mistake;
    colour_ = colour;
    text_->setText(resultsWords::mistakeHeadline(mistake));
    setAccessibleName(resultsWords::mistakeText(mistake));
    update();
}

void MistakeView::setTextFont(const QFont& font) {
    text_->setFont(font);
}

QRectF MistakeView::shapeFrame() const {
    return {0, 0, static_cast<double>(height()), static_cast<double>(height())};
}

QRectF MistakeView::cardFrame() const {
    const double gap = height() * GAP_SHARE;
    return {shapeFrame().right() + gap, 0, height() * CARD_ASPECT, static_cast<double>(height())};
}

void MistakeView::resizeEvent(QResizeEvent* /*event*/) {
    const int left = static_cast<int>(cardFrame().right() + height() * GAP_SHARE);
    text_->setGeometry(left, 0, std::max(0, width() - left), height());
}

void MistakeView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintSpinShapeOf(painter, shapeFrame(), mistake_.spinValue);
    const look::Player& player = look::player(colour_);
    paintCard(painter, cardFrame(), mistake_.card, player.colour.to<QColor>(),
              player.cardText.to<QColor>());
}

}  // namespace zandoli

#include "moc_MistakeView.cpp"

#include "table/OnePlayerTable.h"

#include "engine/OnePlayerReferee.h"
#include "platform/Units.h"

namespace zandoli {

namespace {

std::unique_ptr<Referee> onePlayerReferee(GameState& state, TableView& view, Scheduler& scheduler,
                                          RandomSource& random) {
    return std::make_unique<OnePlayerReferee>(state, view, scheduler, random);
}

TableScreen::Design onePlayerDesign() {
    return {QStringLiteral("incorrectChoiceMessage"), look::ONEPLAYER_MESSAGE_RECT,
            look::ONEPLAYER_NEXTPLAYER_RECT};
}

ClickLabel* buildLabel(QWidget* window, const QString& name, const QString& text,
                       const TwipRect& place, double points, Qt::Alignment alignment) {
    auto* label = new ClickLabel(text, window);
    label->setObjectName(name);
    label->setFont(units::font(look::TEXT_FONT, points, true));
    label->setTextColour(look::toQColor(look::SPINCOUNT_TEXT));
    label->setAlignment(alignment);
    label->setGeometry(units::pxRect(place.left, place.top, place.width, place.height));
    return label;
}

}  // namespace

OnePlayerTable::OnePlayerTable(GameState& state)
    : TableScreen(QStringLiteral("onePlayerTable"), state, nullptr, nullptr, onePlayerReferee,
                  onePlayerDesign()) {}

OnePlayerTable::OnePlayerTable(GameState& state, Scheduler& scheduler, RandomSource& random)
    : TableScreen(QStringLiteral("onePlayerTable"), state, &scheduler, &random, onePlayerReferee,
                  onePlayerDesign()) {}

QWidget* OnePlayerTable::createWindow() {
    QWidget* window = TableScreen::createWindow();
    spinsCaption_ = buildLabel(window, QStringLiteral("spinsCaption"), look::SPINS_CAPTION_TEXT,
                               look::SPINS_CAPTION_RECT, look::SPINS_CAPTION_POINTS,
                               Qt::AlignLeft | Qt::AlignTop);
    // The count is empty until the first spin of a game stops.
    spinCount_ = buildLabel(window, QStringLiteral("spinCount"), QString(), look::SPINCOUNT_RECT,
                            look::SPINCOUNT_POINTS, Qt::AlignCenter);
    spinCount_->setFrameStyle(QFrame::Box | QFrame::Plain);
    spinCount_->setLineWidth(1);
    return window;
}

void OnePlayerTable::applyColourScheme(int colour) {
    TableScreen::applyColourScheme(colour);
    if (spinsCaption_.isNull()) {
        return;
    }
    spinsCaption_->setTextColour(playerColour());
    spinCount_->setTextColour(playerColour());
}

void OnePlayerTable::setSpinCount(const std::string& text) {
    if (!spinCount_.isNull()) {
        spinCount_->setText(QString::fromStdString(text));
    }
}

}  // namespace zandoli

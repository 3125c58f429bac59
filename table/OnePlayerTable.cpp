#include "OnePlayerTable.h"

#include "OnePlayerReferee.h"
#include "Units.h"

namespace zandoli {

namespace {

std::unique_ptr<Referee> oneplayerreferee(GameState& state, TableView& view, Scheduler& scheduler,
                                          RandomSource& random) {
    return std::make_unique<OnePlayerReferee>(state, view, scheduler, random);
}

TableScreen::Design oneplayerdesign() {
    return {QStringLiteral("Label10"), look::ONEPLAYER_MESSAGE_RECT,
            look::ONEPLAYER_NEXTPLAYER_RECT};
}

ClickLabel* buildlabel(QWidget* window, const QString& name, const QString& text,
                       const TwipRect& place, double points, Qt::Alignment alignment) {
    auto* label = new ClickLabel(text, window);
    label->setObjectName(name);
    label->setFont(units::font(look::TEXT_FONT, points, true));
    label->settextcolour(look::qcolour(look::SPINCOUNT_TEXT));
    label->setAlignment(alignment);
    label->setGeometry(units::pxrect(place.left, place.top, place.width, place.height));
    return label;
}

}  // namespace

OnePlayerTable::OnePlayerTable(GameState& state)
    : TableScreen(QStringLiteral("zandoli1player"), state, nullptr, nullptr, oneplayerreferee,
                  oneplayerdesign()) {}

OnePlayerTable::OnePlayerTable(GameState& state, Scheduler& scheduler, RandomSource& random)
    : TableScreen(QStringLiteral("zandoli1player"), state, &scheduler, &random, oneplayerreferee,
                  oneplayerdesign()) {}

QWidget* OnePlayerTable::createwindow() {
    QWidget* window = TableScreen::createwindow();
    spinscaption_ = buildlabel(window, QStringLiteral("Label1"), look::SPINS_CAPTION_TEXT,
                               look::SPINS_CAPTION_RECT, look::SPINS_CAPTION_POINTS,
                               Qt::AlignLeft | Qt::AlignTop);
    // The count is empty until the first spin of a game stops.
    spincount_ = buildlabel(window, QStringLiteral("Label6"), QString(), look::SPINCOUNT_RECT,
                            look::SPINCOUNT_POINTS, Qt::AlignCenter);
    spincount_->setFrameStyle(QFrame::Box | QFrame::Plain);
    spincount_->setLineWidth(1);
    return window;
}

void OnePlayerTable::applycolourscheme(int colour) {
    TableScreen::applycolourscheme(colour);
    if (spinscaption_.isNull()) {
        return;
    }
    spinscaption_->settextcolour(playercolour());
    spincount_->settextcolour(playercolour());
}

void OnePlayerTable::setspincount(const std::string& text) {
    if (!spincount_.isNull()) {
        spincount_->setText(QString::fromStdString(text));
    }
}

}  // namespace zandoli

#include "table/DialArt.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "assets/AssetLook.h"
#include "assets/DialPainter.h"
#include "engine/Cards.h"
#include "look/TableArt.h"
#include "platform/Units.h"

namespace zandoli::dialArt {

namespace {

// The wheel of the spinner last painted, at the factor it was painted at.
struct Wheel {
    SpinnerValues spinner{};
    double factor = 0;
    QImage image;
};

const QImage& wheelFor(const SpinnerValues& spinner, double factor) {
    static Wheel kept;
    if (kept.image.isNull() || kept.spinner != spinner || kept.factor != factor) {
        // Sized as a built dial is scaled to show at this factor.
        QImage image((QSizeF(look::DIAL_SIZE) * factor).toSize(), QImage::Format_RGB32);
        // The painted square may fall short of the last row and column by a
        // fraction of a pixel.
        image.fill(look::TABLE);
        QPainter painter(&image);
        painter.scale(factor, factor);
        paintWheel(painter, DialScene{.spinner = spinner});
        painter.end();
        kept = Wheel{spinner, factor, std::move(image)};
    }
    return kept.image;
}

}  // namespace

bool drawnAtBuild(const SpinnerValues& spinner) {
    return spinner == standardDeck().spinner;
}

QPixmap dial(const SpinnerValues& spinner, std::optional<int> pointer) {
    const double ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    const double factor = units::scale() * ratio;
    QImage step = wheelFor(spinner, factor);
    {
        QPainter painter(&step);
        painter.scale(factor, factor);
        paintPointerOver(painter,
                         DialScene{pointer.value_or(0), pointer.value_or(-1), true, spinner});
    }
    QPixmap shown = QPixmap::fromImage(std::move(step));
    shown.setDevicePixelRatio(ratio);
    return shown;
}

std::string closeup(const SpinnerValues& spinner, std::optional<int> pointer) {
    if (!pointer) {
        return look::CLOSEUP_AT_REST;
    }
    const double value = spinner[static_cast<size_t>(*pointer)];
    if (valuesMatch(SPINVALUES[static_cast<size_t>(*pointer)], value)) {
        return look::closeupPicture(*pointer);
    }
    const auto* standard = std::find_if(SPINVALUES.begin(), SPINVALUES.begin() + SPIN_POSITIONS,
                                        [&](double shown) { return valuesMatch(shown, value); });
    // A value the standard spinner never shows names no picture, and the
    // close-up stays empty; a deck holds none.
    return look::closeupPicture(static_cast<int>(standard - SPINVALUES.begin()));
}

}  // namespace zandoli::dialArt

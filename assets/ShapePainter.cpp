#include "assets/ShapePainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <numbers>

#include "assets/AssetLook.h"

namespace zandoli {

namespace {

constexpr double BAR_ASPECT = 0.4;  // height / width of a bar of tenths

struct StarStyle {
    int points;
    double innerRatio;
};

StarStyle starStyle(StarKind kind) {
    return kind == StarKind::Discard ? StarStyle{5, 0.42} : StarStyle{8, 0.62};
}

void fillPart(QPainter& painter, const QPainterPath& part, bool shaded) {
    painter.fillPath(part, shaded ? look::SHADED : look::UNSHADED);
}

void paintPie(QPainter& painter, const AreaModel& model, QPointF centre, double size,
              double penWidth) {
    const double radius = size / 2;
    const QRectF disc(centre.x() - radius, centre.y() - radius, size, size);
    const double sweep = 360.0 / model.columns;
    std::vector<QPainterPath> sectors;
    for (int i = 0; i < model.columns; ++i) {
        QPainterPath sector;
        if (model.columns == 1) {
            sector.addEllipse(disc);
        } else {
            // Qt counts angles anticlockwise from three o'clock; the parts run
            // clockwise from twelve o'clock, as the spinner does.
            sector.moveTo(centre);
            sector.arcTo(disc, 90.0 - i * sweep, -sweep);
            sector.closeSubpath();
        }
        fillPart(painter, sector, i < model.shaded);
        sectors.push_back(sector);
    }
    painter.setPen(QPen(look::OUTLINE, penWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath& sector : sectors) {
        painter.drawPath(sector);
    }
}

void paintCells(QPainter& painter, const AreaModel& model, const QRectF& whole, double penWidth) {
    const double width = whole.width() / model.columns;
    const double height = whole.height() / model.rows;
    auto cell = [&](int index) {
        return QRectF(whole.left() + (index % model.columns) * width,
                      whole.top() + (index / model.columns) * height, width, height);
    };
    for (int i = 0; i < model.parts(); ++i) {
        painter.fillRect(cell(i), i < model.shaded ? look::SHADED : look::UNSHADED);
    }
    painter.setPen(QPen(look::OUTLINE, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < model.parts(); ++i) {
        painter.drawRect(cell(i));
    }
}

}  // namespace

void paintShape(QPainter& painter, const AreaModel& model, QPointF centre, double size,
                double penWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (model.kind) {
        case AreaModel::Kind::Pie:
            paintPie(painter, model, centre, size, penWidth);
            break;
        case AreaModel::Kind::Bar: {
            const double height = size * BAR_ASPECT;
            paintCells(painter, model,
                       QRectF(centre.x() - size / 2, centre.y() - height / 2, size, height),
                       penWidth);
            break;
        }
        case AreaModel::Kind::Grid: {
            // Square cells, the longer side of the grid `size` long.
            const double cell = size / std::max(model.columns, model.rows);
            const double width = cell * model.columns;
            const double height = cell * model.rows;
            paintCells(painter, model,
                       QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height),
                       penWidth);
            break;
        }
    }
    painter.restore();
}

void paintStar(QPainter& painter, StarKind kind, QPointF centre, double radius) {
    const StarStyle style = starStyle(kind);
    QPainterPath star;
    const int corners = style.points * 2;
    for (int i = 0; i < corners; ++i) {
        const double angle = std::numbers::pi * i / style.points;  // from twelve o'clock
        const double r = (i % 2 == 0) ? radius : radius * style.innerRatio;
        const QPointF corner(centre.x() + r * std::sin(angle), centre.y() - r * std::cos(angle));
        if (i == 0) {
            star.moveTo(corner);
        } else {
            star.lineTo(corner);
        }
    }
    star.closeSubpath();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft drop shadow lifts the star off its field.
    painter.translate(radius * 0.05, radius * 0.07);
    painter.fillPath(star, QColor(0, 0, 0, 90));
    painter.translate(-radius * 0.05, -radius * 0.07);

    QRadialGradient glow(centre - QPointF(radius * 0.25, radius * 0.3), radius * 1.2);
    glow.setColorAt(0, look::STAR_FILL.lighter(118));
    glow.setColorAt(1, look::STAR_FILL.darker(112));
    painter.setBrush(glow);
    painter.setPen(QPen(look::OUTLINE, radius * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(star);

    // The mark says what the star does: minus = give a card away, plus = take one.
    const double arm = radius * (kind == StarKind::Discard ? 0.30 : 0.34);
    const double thick = radius * 0.14;
    painter.setPen(Qt::NoPen);
    painter.setBrush(look::STAR_MARK);
    painter.drawRoundedRect(QRectF(centre.x() - arm, centre.y() - thick / 2, 2 * arm, thick),
                            thick / 3, thick / 3);
    if (kind == StarKind::Draw) {
        painter.drawRoundedRect(QRectF(centre.x() - thick / 2, centre.y() - arm, thick, 2 * arm),
                                thick / 3, thick / 3);
    }
    painter.restore();
}

}  // namespace zandoli

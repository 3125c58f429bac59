#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "assets/ArtPainter.h"
#include "assets/AssetLook.h"
#include "assets/Geometry.h"
#include "look/Colours.h"

namespace zandoli {

namespace {

const QPointF MIDDLE{128, 128};
constexpr int SMALL_ICON = 32;  // at or below this the icon keeps only four bold segments

}  // namespace

void paintIcon(QPainter& painter, int pixels) {
    const bool small = pixels <= SMALL_ICON;
    const int segments = small ? 4 : 8;
    const double face = small ? 118 : 104;
    // Outlines must stay about one pixel wide whatever the size.
    const double line = 256.0 / pixels * (small ? 1.2 : 1.6);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!small) {
        QLinearGradient brass(QPointF(0, 0), QPointF(256, 256));
        brass.setColorAt(0, look::BRASS_LIGHT);
        brass.setColorAt(0.5, look::BRASS);
        brass.setColorAt(1, look::BRASS_DARK);
        painter.setPen(QPen(look::OUTLINE, line));
        painter.setBrush(brass);
        painter.drawEllipse(MIDDLE, 124, 124);
    }
    const QRectF disc(MIDDLE.x() - face, MIDDLE.y() - face, 2 * face, 2 * face);
    const double sweep = 360.0 / segments;
    painter.setPen(QPen(look::OUTLINE, line));
    for (int i = 0; i < segments; ++i) {
        QPainterPath wedge;
        wedge.moveTo(MIDDLE);
        wedge.arcTo(disc, qtAngle(i * sweep), -sweep);
        wedge.closeSubpath();
        painter.setBrush(look::PLAYERS[i % look::PLAYERS.size()].colour.to<QColor>());
        painter.drawPath(wedge);
    }

    // The pointer, from the hub towards the upper right.
    painter.save();
    painter.translate(MIDDLE);
    painter.rotate(45);
    const double reach = face * 0.92;
    const double half = small ? 26 : 18;
    const QPolygonF arrow({{0, -reach},
                           {half, -reach + half * 2.2},
                           {half * 0.45, -reach + half * 2.2},
                           {half * 0.45, reach * 0.3},
                           {-half * 0.45, reach * 0.3},
                           {-half * 0.45, -reach + half * 2.2},
                           {-half, -reach + half * 2.2}});
    painter.setPen(QPen(look::OUTLINE, line * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    painter.restore();

    QRadialGradient hub(MIDDLE - QPointF(8, 8), 40);
    hub.setColorAt(0, look::BRASS_LIGHT);
    hub.setColorAt(1, look::BRASS_DARK);
    painter.setPen(QPen(look::OUTLINE, line));
    painter.setBrush(hub);
    const double hubRadius = small ? 30 : 24;
    painter.drawEllipse(MIDDLE, hubRadius, hubRadius);
    painter.restore();
}

}  // namespace zandoli

#include "assets/DialPainter.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRegion>

#include "assets/AssetLook.h"
#include "assets/Geometry.h"
#include "assets/ShapePainter.h"
#include "engine/Spinner.h"

namespace zandoli {

namespace {

const QPointF CENTRE{200, 200};
constexpr double SEGMENT_DEGREES = 360.0 / SPIN_POSITIONS;
constexpr double RIM_OUTER = 190;
constexpr double RIM_INNER = 177;
constexpr double FACE = 176;
constexpr double PEG_RING = 183.5;
constexpr double PEG = 3.6;
constexpr double INNER_DISC = 92;
constexpr double SHAPE_RING = 134;
constexpr double SHAPE_SIZE = 40;
constexpr double SHAPE_PEN = 0.8;
constexpr double STAR_RADIUS = 21;
constexpr double HUB = 22;
const QPointF SHADOW_OFFSET{4, 6};
// How far past its segment's edges a lit segment changes the dial: its
// glow's 8-wide pen reaches 4 units past them, and 4 degrees are 6.6 units
// where the segment meets the inner disc, more farther out.
constexpr double GLOW_MARGIN_DEGREES = 4;

// The close-up, in its own 160 x 160 frame.
const QRectF BEZEL{5, 5, 150, 150};
const QRectF PLATE_RECT{15, 15, 130, 130};
const QPointF CLOSEUP_CENTRE{80, 80};
constexpr double CLOSEUP_STAR = 54;
constexpr double CLOSEUP_PEN = 1.6;

bool isStar(double value) {
    return value == RED_STAR || value == BLUE_STAR;
}

StarKind starKind(double value) {
    return value == RED_STAR ? StarKind::Discard : StarKind::Draw;
}

QColor fieldColour(double value) {
    return value == RED_STAR ? look::RED_FIELD : look::BLUE_FIELD;
}

double closeupSize(AreaModel::Kind kind) {
    switch (kind) {
        case AreaModel::Kind::Pie:
            return 116;
        case AreaModel::Kind::Bar:
            return 124;
        case AreaModel::Kind::Grid:
            return 110;
    }
    return 110;
}

QRectF disc(double radius) {
    return {CENTRE.x() - radius, CENTRE.y() - radius, 2 * radius, 2 * radius};
}

QPainterPath segmentPath(int position, double radius) {
    const double start = (position - 0.5) * SEGMENT_DEGREES;
    QPainterPath path;
    path.moveTo(CENTRE);
    path.arcTo(disc(radius), qtAngle(start), -SEGMENT_DEGREES);
    path.closeSubpath();
    return path;
}

// All a lit segment changes: the segment, wider by GLOW_MARGIN_DEGREES each
// side, from within the inner disc's brass ring (nothing under the disc
// shows) to the picture's edge.
QPainterPath litWedge(int lit) {
    const double start = (lit - 0.5) * SEGMENT_DEGREES - GLOW_MARGIN_DEGREES;
    const double sweep = SEGMENT_DEGREES + 2 * GLOW_MARGIN_DEGREES;
    QPainterPath wedge;
    wedge.arcMoveTo(disc(200), qtAngle(start));
    wedge.arcTo(disc(200), qtAngle(start), -sweep);
    wedge.arcTo(disc(INNER_DISC - 2), qtAngle(start + sweep), sweep);
    wedge.closeSubpath();
    return wedge;
}

QLinearGradient brassGradient(QPointF from, QPointF to) {
    QLinearGradient brass(from, to);
    brass.setColorAt(0, look::BRASS_LIGHT);
    brass.setColorAt(0.45, look::BRASS);
    brass.setColorAt(0.6, look::BRASS.lighter(110));
    brass.setColorAt(1, look::BRASS_DARK);
    return brass;
}

void paintShadow(QPainter& painter) {
    const double reach = RIM_OUTER + 4;
    QRadialGradient shadow(CENTRE + SHADOW_OFFSET, reach);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(0.93, QColor(0, 0, 0, 120));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(CENTRE + SHADOW_OFFSET, reach, reach);
}

void paintRim(QPainter& painter) {
    const QPointF corner(RIM_OUTER, RIM_OUTER);
    painter.setPen(QPen(look::OUTLINE, 1.2));
    painter.setBrush(brassGradient(CENTRE - corner, CENTRE + corner));
    painter.drawEllipse(CENTRE, RIM_OUTER, RIM_OUTER);
    // The inner lip is lit from the other side, so the face looks set into the rim.
    const QPointF lip(RIM_INNER, RIM_INNER);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brassGradient(CENTRE + lip, CENTRE - lip));
    painter.drawEllipse(CENTRE, RIM_INNER + 1.5, RIM_INNER + 1.5);
}

void paintSegments(QPainter& painter, const SpinnerValues& spinner, int lit) {
    painter.setPen(Qt::NoPen);
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = spinner[static_cast<size_t>(p)];
        const QColor fill =
            isStar(value) ? fieldColour(value) : (p % 2 == 0 ? look::SEGMENT_A : look::SEGMENT_B);
        painter.fillPath(segmentPath(p, FACE), fill);
    }
    // A gentle dome of light over the face.
    QRadialGradient dome(CENTRE - QPointF(50, 60), FACE * 1.4);
    dome.setColorAt(0, QColor(255, 255, 255, 70));
    dome.setColorAt(0.45, QColor(255, 255, 255, 0));
    dome.setColorAt(1, QColor(0, 0, 0, 80));
    painter.setBrush(dome);
    painter.drawEllipse(CENTRE, FACE, FACE);
    // The lit segment stays clear of the shading, so it is the brightest thing on the dial.
    if (lit >= 0) {
        const double value = spinner[static_cast<size_t>(lit)];
        QRadialGradient light(CENTRE, FACE);
        const QColor base = isStar(value) ? fieldColour(value).lighter(140) : look::SEGMENT_LIT;
        light.setColorAt(0.5, base);
        light.setColorAt(1, base.lighter(118));
        painter.fillPath(segmentPath(lit, FACE), light);
    }

    painter.setPen(QPen(look::OUTLINE, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double edge = (p - 0.5) * SEGMENT_DEGREES;
        painter.drawLine(polar(CENTRE, INNER_DISC, edge), polar(CENTRE, FACE, edge));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(look::OUTLINE, 1.6));
    painter.drawEllipse(CENTRE, FACE, FACE);
}

void paintPegs(QPainter& painter) {
    painter.setPen(QPen(look::BRASS_DARK.darker(150), 0.8));
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const QPointF at = polar(CENTRE, PEG_RING, (p - 0.5) * SEGMENT_DEGREES);
        QRadialGradient shine(at - QPointF(1.2, 1.4), PEG * 1.4);
        shine.setColorAt(0, Qt::white);
        shine.setColorAt(0.5, look::BRASS);
        shine.setColorAt(1, look::BRASS_DARK);
        painter.setBrush(shine);
        painter.drawEllipse(at, PEG, PEG);
    }
}

void paintContents(QPainter& painter, const SpinnerValues& spinner) {
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = spinner[static_cast<size_t>(p)];
        const QPointF at = polar(CENTRE, SHAPE_RING, p * SEGMENT_DEGREES);
        if (isStar(value)) {
            paintStar(painter, starKind(value), at, STAR_RADIUS);
        } else {
            paintShape(painter, areaModel(value), at, SHAPE_SIZE, SHAPE_PEN);
        }
    }
}

void paintGlow(QPainter& painter, int lit) {
    const QPainterPath segment = segmentPath(lit, FACE);
    QPainterPath face;
    face.addEllipse(CENTRE, FACE, FACE);
    painter.save();
    painter.setClipPath(face);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(segment);
    painter.setPen(QPen(QColor(255, 180, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(segment);
    painter.restore();
}

void paintInnerDisc(QPainter& painter) {
    QRadialGradient cream(CENTRE - QPointF(25, 30), INNER_DISC * 1.3);
    cream.setColorAt(0, QColor(255, 252, 240));
    cream.setColorAt(1, QColor(222, 210, 182));
    painter.setPen(QPen(look::BRASS, 4));
    painter.setBrush(cream);
    painter.drawEllipse(CENTRE, INNER_DISC, INNER_DISC);
    painter.setPen(QPen(look::OUTLINE, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(CENTRE, INNER_DISC + 2, INNER_DISC + 2);
    // A notch for every position, so the pointer has marks to count along.
    painter.setPen(Qt::NoPen);
    painter.setBrush(look::BRASS_DARK);
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double a = p * SEGMENT_DEGREES;
        painter.drawPolygon(
            QPolygonF({polar(CENTRE, INNER_DISC - 3, a - 3), polar(CENTRE, INNER_DISC - 3, a + 3),
                       polar(CENTRE, INNER_DISC - 11, a)}));
    }
}

QPolygonF arrowShape() {
    return QPolygonF({{0, -110},
                      {12, -82},
                      {4.5, -82},
                      {6, 32},
                      {14, 50},
                      {0, 42},
                      {-14, 50},
                      {-6, 32},
                      {-4.5, -82},
                      {-12, -82}});
}

void paintPointer(QPainter& painter, int position) {
    const double angle = position * SEGMENT_DEGREES;
    const QPolygonF arrow = arrowShape();

    painter.save();
    painter.translate(CENTRE + SHADOW_OFFSET * 0.8);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 95));
    painter.drawPolygon(arrow);
    painter.restore();

    painter.save();
    painter.translate(CENTRE);
    painter.rotate(angle);
    QLinearGradient body(-12, 0, 12, 0);
    body.setColorAt(0, look::POINTER.lighter(135));
    body.setColorAt(0.5, look::POINTER);
    body.setColorAt(1, look::POINTER_DARK);
    painter.setPen(QPen(look::OUTLINE, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(body);
    painter.drawPolygon(arrow);
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-1.5, -100), QPointF(-2, 28));
    painter.restore();
}

void paintHub(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(CENTRE + SHADOW_OFFSET * 0.5, HUB, HUB);
    QRadialGradient dome(CENTRE - QPointF(7, 8), HUB * 1.5);
    dome.setColorAt(0, look::BRASS_LIGHT.lighter(115));
    dome.setColorAt(0.4, look::BRASS);
    dome.setColorAt(1, look::BRASS_DARK);
    painter.setPen(QPen(look::OUTLINE, 1.2));
    painter.setBrush(dome);
    painter.drawEllipse(CENTRE, HUB, HUB);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(CENTRE - QPointF(8, 9), 6, 4);
    painter.setBrush(look::BRASS_DARK);
    painter.drawEllipse(CENTRE, 4.5, 4.5);
}

// What lies under the face: the table, the dial's shadow on it and the rim.
void paintSetting(QPainter& painter, bool onTable) {
    if (onTable) {
        painter.fillRect(QRectF(0, 0, 400, 400), look::TABLE);
    }
    paintShadow(painter);
    paintRim(painter);
}

// Everything inside the rim: the segments, one of them lit, their pegs and
// shapes, and the inner disc.
void paintFace(QPainter& painter, const SpinnerValues& spinner, int lit) {
    paintSegments(painter, spinner, lit);
    paintPegs(painter);
    paintContents(painter, spinner);
    if (lit >= 0) {
        paintGlow(painter, lit);
    }
    paintInnerDisc(painter);
}

void paintCloseupPlate(QPainter& painter, std::optional<double> value) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(BEZEL.translated(2, 3), 22, 22);
    painter.setPen(QPen(look::OUTLINE, 1.2));
    painter.setBrush(brassGradient(BEZEL.topLeft(), BEZEL.bottomRight()));
    painter.drawRoundedRect(BEZEL, 22, 22);

    QPainterPath plate;
    plate.addRoundedRect(PLATE_RECT, 14, 14);
    if (value && isStar(*value)) {
        QRadialGradient field(CLOSEUP_CENTRE, PLATE_RECT.width() * 0.75);
        field.setColorAt(0, fieldColour(*value).lighter(125));
        field.setColorAt(1, fieldColour(*value).darker(115));
        painter.fillPath(plate, field);
    } else {
        // Flat on purpose: the shape's two colours must stand alone against it.
        painter.fillPath(plate, look::PLATE);
    }
    painter.setPen(QPen(look::BRASS_DARK, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(plate);
}

// Within the lit segment's wedge every layer is painted anew, as paintDial
// paints it; outside it the wheel stands, the same. The layers are painted
// in a picture of the wedge's size, at about half the cost of painting
// them clipped on the whole dial, and copied in whole device pixels: a clip
// path's edge is antialiased, and a pixel it covered in part would take
// each layer in part.
void paintLitWedge(QPainter& painter, const DialScene& scene) {
    const QTransform onDial = painter.transform();
    const QPolygon wedge = onDial.map(litWedge(scene.lit)).toFillPolygon().toPolygon();
    const QRect bounds = wedge.boundingRect();
    QImage layers(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    // What lies under the dial, as under the wheel: the picture's last row
    // and column are covered in part.
    layers.fill(scene.onTable ? look::TABLE : QColor(Qt::transparent));
    {
        QPainter on(&layers);
        on.setRenderHint(QPainter::Antialiasing);
        on.setTransform(onDial * QTransform::fromTranslate(-bounds.left(), -bounds.top()));
        paintSetting(on, scene.onTable);
        paintFace(on, scene.spinner, scene.lit);
    }
    painter.save();
    painter.resetTransform();
    painter.setClipRegion(QRegion(wedge), Qt::IntersectClip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(bounds.topLeft(), layers);
    painter.restore();
}

}  // namespace

void paintDial(QPainter& painter, const DialScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintSetting(painter, scene.onTable);
    paintFace(painter, scene.spinner, scene.lit);
    paintPointer(painter, scene.pointer);
    paintHub(painter);
    painter.restore();
}

void paintWheel(QPainter& painter, const DialScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintSetting(painter, scene.onTable);
    paintFace(painter, scene.spinner, -1);
    painter.restore();
}

void paintPointerOver(QPainter& painter, const DialScene& scene) {
    if (scene.lit >= 0) {
        paintLitWedge(painter, scene);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintPointer(painter, scene.pointer);
    paintHub(painter);
    painter.restore();
}

void paintCloseup(QPainter& painter, std::optional<double> value) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, 160, 160), look::TABLE);
    paintCloseupPlate(painter, value);
    if (!value) {
        // The empty close-up waits for a spin.
        QFont font(look::ROUNDED_FACE);
        font.setBold(true);
        font.setPixelSize(100);
        painter.setFont(font);
        painter.setPen(look::PLATE.darker(112));
        painter.drawText(PLATE_RECT, Qt::AlignCenter, "?");
    } else if (isStar(*value)) {
        paintStar(painter, starKind(*value), CLOSEUP_CENTRE + QPointF(0, 3), CLOSEUP_STAR);
    } else {
        const AreaModel model = areaModel(*value);
        paintShape(painter, model, CLOSEUP_CENTRE, closeupSize(model.kind), CLOSEUP_PEN);
    }
    painter.restore();
}

}  // namespace zandoli

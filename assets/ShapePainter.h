#pragma once

#include <QPointF>

#include "assets/AreaModel.h"

class QPainter;

namespace zandoli {

// Which star a spinner position carries. The two differ in shape as well as in
// field colour: the discard star has five points and a minus, the draw star
// eight points and a plus.
enum class StarKind { Discard, Draw };

// Paints a shaded shape centred on `centre`, `size` across its longest side.
// Every part is filled and then outlined with the same pen, so each part loses
// the same sliver to its outline and the shaded share of the visible colour
// stays exactly the model's share.
void paintShape(QPainter& painter, const AreaModel& model, QPointF centre, double size,
                double penWidth);

// Paints a star (without its field) whose points reach `radius`.
void paintStar(QPainter& painter, StarKind kind, QPointF centre, double radius);

}  // namespace zandoli

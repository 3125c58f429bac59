#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <cstdint>

namespace zandoli {

// Paints a card of the pack as the table shows it, into any frame: the
// player-coloured card with its figures, or a tile on black bordered in the
// player's colour. Every size and offset is the table's own, scaled from the
// table's card to `frame`, so a card shown small elsewhere (the results)
// looks like the one the child pressed.
void paintCard(QPainter& painter, const QRectF& frame, int16_t card, const QColor& playerColour,
               const QColor& textColour);

// The spinner's close-up picture of a position, in a frame of the same kind.
void paintSpinShape(QPainter& painter, const QRectF& frame, int position);
// The close-up of a value the spinner shows, whichever spinner showed it:
// the standard spinner's first position of that value.
void paintSpinShapeOf(QPainter& painter, const QRectF& frame, double value);

}  // namespace zandoli

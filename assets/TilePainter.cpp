#include <QPainter>

#include "assets/ArtPainter.h"
#include "assets/AssetLook.h"

namespace zandoli {

namespace {

// Square cells on whole pixels; the lines sit on half pixels so a one pixel
// line covers exactly one pixel column, at 1x and at 2x alike.
constexpr double CELL = 18;
constexpr double GRID_LEFT = 4.5;
constexpr double GRID_TOP = 15.5;
constexpr double GRID_LINE = 1;
constexpr double RIM_GAP = 2;

}  // namespace

void paintTile(QPainter& painter, int shaded) {
    painter.save();
    painter.fillRect(QRectF(0, 0, look::TILE_SIZE.width(), look::TILE_SIZE.height()),
                     look::TILE_BACK);
    const QRectF grid(GRID_LEFT, GRID_TOP, CELL * look::TILE_COLUMNS, CELL * look::TILE_ROWS);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::TILE_RIM, GRID_LINE));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(grid.adjusted(-RIM_GAP, -RIM_GAP, RIM_GAP, RIM_GAP), 2, 2);

    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < look::TILE_SQUARES; ++i) {
        const QRectF cell(grid.left() + (i % look::TILE_COLUMNS) * CELL,
                          grid.top() + (i / look::TILE_COLUMNS) * CELL, CELL, CELL);
        painter.fillRect(cell, i < shaded ? look::SHADED : look::UNSHADED);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look::OUTLINE, GRID_LINE, Qt::SolidLine, Qt::SquareCap));
    for (int c = 0; c <= look::TILE_COLUMNS; ++c) {
        const double x = grid.left() + c * CELL;
        painter.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
    }
    for (int r = 0; r <= look::TILE_ROWS; ++r) {
        const double y = grid.top() + r * CELL;
        painter.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
    painter.restore();
}

}  // namespace zandoli

#pragma once

#include <QPointF>
#include <QWidget>

namespace zandoli {

// The window of a table screen: frameless, its own background, sized and
// placed as the screen is fitted (1024 x 768 at a scale of 1).
// A press of any mouse button on the table itself (the frames and shapes
// let presses through) is reported with its position in pixels.
class TableWindow : public QWidget {
    Q_OBJECT

public:
    TableWindow();
    void setBackground(const QColor& colour);

signals:
    void pressed(QPointF position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace zandoli

#pragma once

#include <QPointF>
#include <QWidget>

namespace zandoli {

// The window of a table screen: frameless, 1024 x 768, its own background.
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

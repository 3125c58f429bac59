#pragma once

#include <QColor>
#include <QWidget>

namespace zandoli {

// A painted shape: rounded rectangle or rectangle, filled with a back colour,
// outlined with a border colour and width in pixels. It takes no mouse input:
// a press on it reaches the window beneath.
class ShapeWidget : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedRectangle };
    ShapeWidget(Kind kind, QWidget* parent);
    void setbackcolour(const QColor& colour);
    void setbordercolour(const QColor& colour);
    void setborderwidth(int pixels);
    QColor backcolour() const { return back_; }
    QColor bordercolour() const { return border_; }
    int borderwidth() const { return borderwidth_; }
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor back_ = Qt::white;
    QColor border_ = Qt::black;
    int borderwidth_ = 1;
};

}  // namespace zandoli

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
    void setBackColour(const QColor& colour);
    void setBorderColour(const QColor& colour);
    void setBorderWidth(int pixels);
    QColor backColour() const { return back_; }
    QColor borderColour() const { return border_; }
    int borderWidth() const { return borderWidth_; }
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor back_ = Qt::white;
    QColor border_ = Qt::black;
    int borderWidth_ = 1;
};

}  // namespace zandoli

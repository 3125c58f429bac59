#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zandoli {

// A button as the game draws one: a bordered text label that acts on a mouse
// click (press and release inside it). A disabled button ignores clicks and
// looks disabled (its text dimmed), whatever its text colour.
class ButtonLabel : public QLabel {
    Q_OBJECT

public:
    ButtonLabel(const QString& text, QWidget* parent);
    void settextcolour(const QColor& colour);
    void setbackcolour(const QColor& colour);
    QColor textcolour() const { return text_; }
    QColor backcolour() const { return back_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void restyle();
    QColor text_;
    QColor back_;
    bool pressed_ = false;
};

// A plain text label that reports clicks (card captions, the web heading).
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    void settextcolour(const QColor& colour);
    QColor textcolour() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

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

// A picture shown at its own size, its top-left corner at the widget's
// position; reports clicks. An empty picture shows nothing.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);
    // Shows a picture by its written name ("Images\wdial.jpg") from the
    // picture cache; a missing file leaves the box empty.
    void setpicture(const QString& written);
    const QString& picturename() const { return name_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString name_;
    bool pressed_ = false;
};

}  // namespace zandoli

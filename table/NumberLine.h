#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace zandoli {

// A number line from 0 to 1, marked at 0, one half and 1, with two values
// marked on it: the spinner's above the line, the card's below, each
// labelled in the language's numbers. The same value marked twice shows that
// the two are one number.
class NumberLine : public QWidget {
    Q_OBJECT

public:
    struct Mark {
        double value{};
        QString label;
        QColor colour;
    };

    explicit NumberLine(QWidget* parent);
    void setMarks(const Mark& above, const Mark& below);
    const Mark& above() const { return above_; }
    const Mark& below() const { return below_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where a value between 0 and 1 lies across the widget.
    double xOf(double value) const;
    void paintMark(class QPainter& painter, const Mark& mark, bool up) const;

    Mark above_;
    Mark below_;
};

}  // namespace zandoli

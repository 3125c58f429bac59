#pragma once

#include <QColor>
#include <QLabel>

#include "ClickTracker.h"

namespace zandoli {

// A plain text label on a transparent background that reports clicks (card
// captions, the web heading).
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);
    explicit ClickLabel(QWidget* parent) : ClickLabel(QString(), parent) {}
    void settextcolour(const QColor& colour);
    QColor textcolour() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker clicks_;
};

}  // namespace zandoli

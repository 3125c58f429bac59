#pragma once

#include <QColor>
#include <QLabel>

#include "platform/ClickTracker.h"

namespace zandoli {

// A plain text label on a transparent background that reports clicks (card
// captions, the web heading).
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);
    explicit ClickLabel(QWidget* parent) : ClickLabel(QString(), parent) {}
    void setTextColour(const QColor& colour);
    QColor textColour() const;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickTracker clicks_;
};

}  // namespace zandoli

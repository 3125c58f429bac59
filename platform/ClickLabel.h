#pragma once

#include <QColor>

#include "platform/ClickableLabel.h"

namespace zandoli {

// A plain text label on a transparent background that reports clicks (card
// captions, the web heading).
class ClickLabel : public ClickableLabel {
    Q_OBJECT

public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr);
    explicit ClickLabel(QWidget* parent) : ClickLabel(QString(), parent) {}
    void setTextColour(const QColor& colour);
    QColor textColour() const;
};

}  // namespace zandoli

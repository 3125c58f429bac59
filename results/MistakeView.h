#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include "platform/ClickLabel.h"
#include "record/GameResults.h"

namespace zandoli {

// One named mistake of a player with its first example: the shape the
// spinner showed and the card pressed (or passed by), side by side, and the
// mistake's name beside them. A screen reader reads the whole example.
class MistakeView : public QWidget {
    Q_OBJECT

public:
    explicit MistakeView(QWidget* parent);

    void setMistake(const MistakeExample& mistake, int colour);
    // The face of the mistake's name.
    void setTextFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRectF shapeFrame() const;
    QRectF cardFrame() const;

    MistakeExample mistake_;
    int colour_ = 0;
    QPointer<ClickLabel> text_;
};

}  // namespace zandoli

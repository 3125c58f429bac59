#pragma once

#include <QCheckBox>

namespace zandoli {

// A check box that takes the focus from Tab and toggles on Space, as Qt's
// does, and on Enter too, as the game's buttons do. It never draws the
// platform's dotted focus frame: the game's own focus mark shows instead
// (see KeyboardFocus.h).
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    CheckBox(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zandoli

#include "platform/CheckBox.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/KeyboardFocus.h"

namespace zandoli {

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    setFocusPolicy(Qt::TabFocus);
    keyboard::install();
}

void CheckBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_CheckBox, option);
}

void CheckBox::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        click();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

}  // namespace zandoli

#include "moc_CheckBox.cpp"

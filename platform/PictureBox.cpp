#include "platform/PictureBox.h"

#include <QCoreApplication>
#include <QEvent>

namespace zandoli {

namespace {

QEvent::Type prepareEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : ClickableLabel(QString(), parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool PictureBox::setPicture(const QString& name) {
    name_ = name;
    const QPixmap shown = zandoli::picture(name, keeping_);
    if (shown.isNull()) {
        clear();
        return false;
    }
    setPixmap(shown);
    adjustSize();
    return true;
}

void PictureBox::prepare(const QString& name) {
    // Qt posts a widget's repaint at low priority; posted as low, this comes
    // after it.
    if (prepared_.isNull()) {
        QCoreApplication::postEvent(this, new QEvent(prepareEvent()), Qt::LowEventPriority);
    }
    prepared_ = name;
}

bool PictureBox::event(QEvent* event) {
    if (event->type() != prepareEvent()) {
        return ClickableLabel::event(event);
    }
    zandoli::picture(prepared_, keeping_);
    prepared_.clear();
    return true;
}

}  // namespace zandoli

#include "moc_PictureBox.cpp"

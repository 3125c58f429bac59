#include "platform/ScreenControls.h"

#include <QCoreApplication>
#include <QPalette>
#include <QShortcut>

#include "platform/CheckBox.h"
#include "platform/FitText.h"
#include "platform/ScreenLook.h"
#include "platform/Speech.h"
#include "platform/Units.h"

namespace zandoli::screenControls {

QRect pixels(const TwipRect& place) {
    return units::pxRect(place.left, place.top, place.width, place.height);
}

QFont font(const Face& face) {
    return units::font(face.family, face.points, face.bold);
}

QWidget* makeWindow(const QString& name, const QColor& back) {
    auto* window = new QWidget(nullptr);
    window->setObjectName(name);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, back);
    window->setPalette(p);
    window->setAutoFillBackground(true);
    return window;
}

void lookOfDialog(QWidget* dialog, const QString& name, const QString& title) {
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    QPalette look = dialog->palette();
    look.setColor(QPalette::Window, screenLook::BLACK);
    look.setColor(QPalette::WindowText, screenLook::YELLOW);
    dialog->setPalette(look);
    QFont bold = dialog->font();
    bold.setBold(true);
    dialog->setFont(bold);
}

QWidget* makeLargeWindow() {
    QWidget* window = makeWindow(QString(), screenLook::RULES_BACK);
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->resize(units::px(screenLook::LARGE_BUILT_WIDTH),
                   units::px(screenLook::LARGE_BUILT_HEIGHT));
    return window;
}

ClickLabel* text(QWidget* parent, const QString& name, const QString& text, TwipRect place,
                 const Face& face, Qt::Alignment align) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font(face));
    label->setTextColour(screenLook::YELLOW);
    label->setAlignment(align);
    label->setGeometry(pixels(place));
    fitText(label);
    return label;
}

ButtonLabel* button(QWidget* parent, const QString& name, const QString& text, TwipRect place,
                    const Face& face) {
    auto* button = new ButtonLabel(text, parent);
    button->setObjectName(name);
    button->setFont(font(face));
    button->setTextColour(screenLook::YELLOW);
    button->setBackColour(screenLook::BLACK);
    button->setGeometry(pixels(place));
    fitText(button);
    return button;
}

void bindKey(ButtonLabel* button, const QKeySequence& key, const QString& description) {
    const QString shown = key.toString(QKeySequence::NativeText);
    auto* shortcut = new QShortcut(key, button->window());
    QObject::connect(shortcut, &QShortcut::activated, button, &ButtonLabel::press);
    button->setToolTip(
        QCoreApplication::translate("Zandoli", "%1 (key: %2)")
            .arg(button->accessibleName().isEmpty() ? button->text() : button->accessibleName(),
                 shown));
    speech::setDescription(
        button, QCoreApplication::translate("Zandoli", "%1. Key: %2").arg(description, shown));
}

QCheckBox* check(QWidget* parent, const QString& name, const QString& text, TwipRect place,
                 const Face& face) {
    auto* box = new CheckBox(text, parent);
    box->setObjectName(name);
    box->setFont(font(face));
    QPalette p = box->palette();
    // A button paints its background in the Button role and its text in
    // ButtonText, so both pairs are set.
    p.setColor(QPalette::WindowText, screenLook::YELLOW);
    p.setColor(QPalette::ButtonText, screenLook::YELLOW);
    p.setColor(QPalette::Window, screenLook::BLACK);
    p.setColor(QPalette::Button, screenLook::BLACK);
    box->setPalette(p);
    box->setAutoFillBackground(true);
    box->setGeometry(pixels(place));
    fitText(box);
    return box;
}

}  // namespace zandoli::screenControls

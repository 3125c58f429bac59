#include "ShellControls.h"

#include <QPalette>

#include "ShellLook.h"
#include "Units.h"

namespace zandoli::shellcontrols {

namespace {

QRect pixels(Place place) {
    return units::pxrect(place.left, place.top, place.width, place.height);
}

QFont font(const Face& face) {
    return units::font(face.family, face.points, face.bold);
}

}  // namespace

QWidget* makewindow(const QString& name, const QColor& back, const QString& caption) {
    auto* window = new QWidget(nullptr);
    window->setObjectName(name);
    window->setWindowTitle(caption);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, back);
    window->setPalette(p);
    window->setAutoFillBackground(true);
    return window;
}

ClickLabel* text(QWidget* parent, const QString& name, const QString& text, Place place,
                 const Face& face, Qt::Alignment align) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font(face));
    label->settextcolour(shelllook::YELLOW);
    label->setAlignment(align);
    label->setGeometry(pixels(place));
    return label;
}

ButtonLabel* button(QWidget* parent, const QString& name, const QString& text, Place place,
                    const Face& face) {
    auto* button = new ButtonLabel(text, parent);
    button->setObjectName(name);
    button->setFont(font(face));
    button->settextcolour(shelllook::YELLOW);
    button->setbackcolour(shelllook::BLACK);
    button->setGeometry(pixels(place));
    return button;
}

QCheckBox* check(QWidget* parent, const QString& name, const QString& text, Place place,
                 const Face& face) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setFont(font(face));
    QPalette p = box->palette();
    // A button paints its background in the Button role and its text in
    // ButtonText, so both pairs are set.
    p.setColor(QPalette::WindowText, shelllook::YELLOW);
    p.setColor(QPalette::ButtonText, shelllook::YELLOW);
    p.setColor(QPalette::Window, shelllook::BLACK);
    p.setColor(QPalette::Button, shelllook::BLACK);
    box->setPalette(p);
    box->setAutoFillBackground(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setGeometry(pixels(place));
    return box;
}

}  // namespace zandoli::shellcontrols

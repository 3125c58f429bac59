#include "platform/Speech.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "platform/ButtonLabel.h"

namespace zandoli::speech {

namespace {

Listener& listener() {
    static Listener current;
    return current;
}

void tell(QWidget* control, QAccessible::Event kind) {
    if (listener()) {
        listener()(control, kind);
    }
}

// A ButtonLabel is a label to Qt; to a screen reader it is a button. Its name
// is read from its text at the moment it is asked for, so it can never lag
// behind a caption that changed ("OK" becoming "Cancel").
class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ButtonLabel* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const QString given = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && given.isEmpty()) {
            return button()->text();
        }
        return given;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button()->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ButtonLabel* button() const { return static_cast<ButtonLabel*>(widget()); }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(ButtonLabel::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new ButtonAccessible(static_cast<ButtonLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void setName(QWidget* control, const QString& name) {
    if (control == nullptr || control->accessibleName() == name) {
        return;
    }
    // Qt announces the change itself when a screen reader listens.
    control->setAccessibleName(name);
    tell(control, QAccessible::NameChanged);
}

void setDescription(QWidget* control, const QString& description) {
    if (control != nullptr) {
        control->setAccessibleDescription(description);
    }
}

void alert(QWidget* control) {
    if (control == nullptr) {
        return;
    }
    QAccessibleEvent event(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    tell(control, QAccessible::Alert);
}

void setListener(Listener next) {
    listener() = std::move(next);
}

void installControlRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace zandoli::speech

#include "platform/Speech.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "platform/ButtonLabel.h"
#include "platform/KeyboardFocus.h"
#include "platform/ShapeButton.h"

namespace zandoli::speech {

namespace {

const char* const NEWS = "zandoliNews";
// A control's own description, kept while its description reads news.
const char* const OWN_DESCRIPTION = "zandoliOwnDescription";
const char* const HIDDEN = "zandoliHiddenFromReader";
const char* const PURPOSE = "zandoliPurpose";

Listener& listener() {
    static Listener current;
    return current;
}

void tell(QWidget* control, QAccessible::Event kind) {
    if (listener()) {
        listener()(control, kind);
    }
}

// Qt tells a listening screen reader of the change itself.
void describe(QWidget* control, const QString& description) {
    control->setAccessibleDescription(description);
    tell(control, QAccessible::DescriptionChanged);
}

// A control that acts when pressed: a button to a screen reader, named by
// its accessible name (or `fallbackName` when it has none), with a Press
// action.
template <class Control>
class PressableAccessible : public QAccessibleWidget {
public:
    explicit PressableAccessible(Control* control)
        : QAccessibleWidget(control, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const QString given = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && given.isEmpty()) {
            return fallbackName(control());
        }
        return given;
    }
    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.focusable = keyboard::isTabStop(control());
        return shown;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            control()->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    Control* control() const { return static_cast<Control*>(widget()); }
    // A button's name is read from its text at the moment it is asked for,
    // so it can never lag behind a caption that changed ("OK" becoming
    // "Cancel").
    static QString fallbackName(const ButtonLabel* button) { return button->text(); }
    static QString fallbackName(const ShapeButton* /*shape*/) { return {}; }
};

bool hidden(const QObject* object) {
    return object->property(HIDDEN).toBool();
}

// A window of the game: a frame named by its title and purpose, whose
// children are its controls less those hidden from the reader.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        const QString given = QAccessibleWidget::text(kind);
        const QString purpose = widget()->property(PURPOSE).toString();
        if (kind == QAccessible::Name && !purpose.isEmpty()) {
            return QCoreApplication::translate("Zandoli", "%1, %2").arg(given, purpose);
        }
        return given;
    }
    int childCount() const override { return static_cast<int>(shownChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> all = shownChildren();
        return index >= 0 && index < all.size() ? all[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> shownChildren() const {
        QList<QAccessibleInterface*> shown;
        const int all = QAccessibleWidget::childCount();
        for (int i = 0; i < all; ++i) {
            QAccessibleInterface* face = QAccessibleWidget::child(i);
            if (face != nullptr && (face->object() == nullptr || !hidden(face->object()))) {
                shown.append(face);
            }
        }
        return shown;
    }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* button = qobject_cast<ButtonLabel*>(widget)) {
        return new PressableAccessible<ButtonLabel>(button);
    }
    if (auto* shape = qobject_cast<ShapeButton*>(widget)) {
        return new PressableAccessible<ShapeButton>(shape);
    }
    // A plain frame only groups and paints: a panel, not a window.
    if (className == QLatin1String("QFrame")) {
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    }
    // Tooltips and popups are windows of other types, left to Qt.
    if (widget->isWindow() && widget->windowType() == Qt::Window) {
        return new WindowAccessible(widget);
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
    if (control == nullptr) {
        return;
    }
    if (news(control).isEmpty()) {
        control->setAccessibleDescription(description);
    } else {
        control->setProperty(OWN_DESCRIPTION, description);
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

void announce(QWidget* control, const QString& news) {
    if (control == nullptr || news.isEmpty()) {
        return;
    }
    if (speech::news(control).isEmpty()) {
        control->setProperty(OWN_DESCRIPTION, control->accessibleDescription());
    }
    control->setProperty(NEWS, news);
    describe(control, news);
}

QString news(const QWidget* control) {
    return control == nullptr ? QString() : control->property(NEWS).toString();
}

void forgetNewsLater(QWidget* control) {
    if (control == nullptr || news(control).isEmpty()) {
        return;
    }
    QMetaObject::invokeMethod(
        control,
        [control] {
            if (!control->hasFocus() && !news(control).isEmpty()) {
                control->setProperty(NEWS, QString());
                describe(control, control->property(OWN_DESCRIPTION).toString());
            }
        },
        Qt::QueuedConnection);
}

void hideFromReader(QWidget* control) {
    if (control != nullptr) {
        control->setProperty(HIDDEN, true);
    }
}

void setWindowPurpose(QWidget* window, const QString& purpose) {
    if (window != nullptr) {
        window->setProperty(PURPOSE, purpose);
    }
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

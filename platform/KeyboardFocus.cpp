#include "platform/KeyboardFocus.h"

#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "platform/Speech.h"
#include "platform/Units.h"

namespace zandoli::keyboard {

namespace {

const char* const MARK_COLOUR = "zandoliFocusMarkColour";
const char* const TAB_STOP = "zandoliTabStop";
const char* const READING_ORDER = "zandoliReadingOrder";

// How far the mark stands out from the control's edges, and how thick its
// coloured line is, in pixels at scale 1.
constexpr int MARK_MARGIN = 6;
constexpr int MARK_LINE = 4;

// A QFocusFrame, so that Qt leaves it out of what a screen reader finds; it
// is placed and painted here rather than by the style.
class FocusMark : public QFocusFrame {
public:
    explicit FocusMark(QWidget* parent) : QFocusFrame(parent) {
        setObjectName(QStringLiteral("focusMark"));
    }
    void follow(QWidget* control) {
        control_ = control;
        QWidget* parent = control->parentWidget();
        if (parentWidget() != parent) {
            setParent(parent);
        }
        QVariant colour = control->window()->property(MARK_COLOUR);
        colour_ = colour.isValid() ? colour.value<QColor>() : QColor(Qt::yellow);
        const int margin = units::line(MARK_MARGIN);
        setGeometry(control->geometry().adjusted(-margin, -margin, margin, margin));
        raise();
        show();
        update();
    }
    QWidget* control() const { return control_; }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        // The coloured line with a black edge of one pixel (at scale 1) either side.
        const int line = units::line(MARK_LINE);
        const int edge = units::line(1);
        const double in = line / 2.0 + edge;
        const QRectF ring = QRectF(rect()).adjusted(in, in, -in, -in);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(Qt::black, line + 2 * edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(ring);
        painter.setPen(QPen(colour_, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(ring);
    }

private:
    QPointer<QWidget> control_;
    QColor colour_ = Qt::yellow;
};

class Watcher : public QObject {
public:
    bool used = false;

    QWidget* shown() const {
        return (!mark_.isNull() && mark_->isVisible()) ? mark_.data() : nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                used = true;
                placeLater();
                // A key reaches the window's QWindow before the widget with
                // the focus; Tab moves the focus once, at the widget.
                return watched->isWidgetType() && tab(static_cast<QKeyEvent*>(event));
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
                if (!used) {
                    used = true;
                }
                placeLater();
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                used = false;
                placeLater();
                break;
            case QEvent::FocusIn:
                placeLater();
                break;
            case QEvent::FocusOut:
                speech::forgetNewsLater(qobject_cast<QWidget*>(watched));
                placeLater();
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                if (!mark_.isNull() && watched == mark_->control()) {
                    placeLater();
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    // Tab and Shift+Tab move the focus along the active window's chain to
    // the next control that takes it; true when the key was used so.
    static bool tab(const QKeyEvent* key) {
        const bool forward = key->key() == Qt::Key_Tab;
        if ((!forward && key->key() != Qt::Key_Backtab) ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            return false;
        }
        QWidget* window = QApplication::activeWindow();
        if (window == nullptr) {
            return false;
        }
        // The window's controls in the focus chain's order, those given a
        // reading order first, in it.
        QList<QWidget*> stops;
        for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window;
             w = w->nextInFocusChain()) {
            if (w->window() == window && isTabStop(w)) {
                stops.append(w);
            }
        }
        std::stable_sort(stops.begin(), stops.end(), [](const QWidget* a, const QWidget* b) {
            return a->property(READING_ORDER).toInt() < b->property(READING_ORDER).toInt();
        });
        const qsizetype count = stops.size();
        const qsizetype at = stops.indexOf(window->focusWidget());
        for (qsizetype i = 1; i <= count; ++i) {
            const qsizetype next = at < 0 ? (forward ? i - 1 : count - i)
                                          : ((at + (forward ? i : -i)) % count + count) % count;
            QWidget* w = stops[next];
            if (w->isVisible() && w->isEnabled()) {
                w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return true;
    }

    // After the event: a key may move the focus, a click may close a window.
    void placeLater() {
        if (!placing_) {
            placing_ = true;
            QMetaObject::invokeMethod(
                this, [this] { place(); }, Qt::QueuedConnection);
        }
    }
    void place() {
        placing_ = false;
        QWidget* focus = QApplication::focusWidget();
        const bool wanted = used && focus != nullptr && !focus->isWindow() && focus->isVisible() &&
                            focus->parentWidget() != nullptr;
        if (!wanted) {
            if (!mark_.isNull()) {
                mark_->hide();
            }
            return;
        }
        if (mark_.isNull()) {
            mark_ = new FocusMark(focus->parentWidget());
        }
        mark_->follow(focus);
    }

    QPointer<FocusMark> mark_;
    bool placing_ = false;
};

Watcher* watcher() {
    static Watcher* const installed = [] {
        auto* w = new Watcher;
        w->moveToThread(qApp->thread());
        w->setParent(qApp);
        qApp->installEventFilter(w);
        return w;
    }();
    return installed;
}

}  // namespace

void install() {
    (void)watcher();
}

bool used() {
    return watcher()->used;
}

bool isPressKey(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return false;
    }
    switch (event.key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

void makeTabStop(QWidget* control) {
    control->setProperty(TAB_STOP, true);
}

bool isTabStop(const QWidget* control) {
    return control->property(TAB_STOP).toBool() ||
           (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

void setReadingOrder(const std::vector<QWidget*>& controls) {
    // Negative, so they come before every control left at 0.
    int order = -static_cast<int>(controls.size());
    for (QWidget* control : controls) {
        if (control != nullptr) {
            control->setProperty(READING_ORDER, order);
        }
        ++order;
    }
}

void setMarkColour(QWidget* window, const QColor& colour) {
    if (window != nullptr) {
        window->setProperty(MARK_COLOUR, colour);
    }
}

QWidget* shownMark() {
    return watcher()->shown();
}

}  // namespace zandoli::keyboard

#include "results/PupilPage.h"

#include <QPainter>
#include <QScrollArea>
#include <utility>

#include "platform/ScreenLook.h"
#include "platform/Units.h"
#include "results/ReportWords.h"
#include "results/TeacherReport.h"

namespace zandoli {

PupilPage::PupilPage(const report::Pupil& pupil, const report::Period& period, QString above,
                     QWidget* parent)
    : QWidget(parent), pupil_(pupil), period_(period), above_(std::move(above)) {
    const QRect paper = reportLayout().fullRectPixels(REPORT_DOTS_PER_INCH);
    setFixedSize((QSizeF(paper.size()) * units::scale()).toSize());
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(reportWords::pupilPageHeading(pupil));
    setAccessibleDescription(above_.isEmpty() ? reportWords::pupilPageText(pupil, period)
                                              : above_ + QLatin1Char('\n') +
                                                    reportWords::pupilPageText(pupil, period));
}

void PupilPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (hasFocus()) {
        painter.setPen(QPen(screenLook::YELLOW, units::px(45)));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(units::scale(), units::scale());
    const QRect inside = reportLayout().paintRectPixels(REPORT_DOTS_PER_INCH);
    painter.translate(inside.topLeft());
    paintPupilPage(painter, QRect(QPoint(0, 0), inside.size()), pupil_, period_, above_);
}

void PupilPage::focusInEvent(QFocusEvent* event) {
    // Tab to a page scrolls it into view.
    for (QWidget* above = parentWidget(); above != nullptr; above = above->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(above)) {
            area->ensureWidgetVisible(this, 0, 0);
            break;
        }
    }
    update();
    QWidget::focusInEvent(event);
}

void PupilPage::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace zandoli

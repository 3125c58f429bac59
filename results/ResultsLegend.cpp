#include "results/ResultsLegend.h"

#include <QCoreApplication>
#include <QPainter>
#include <array>

#include "platform/ScreenLook.h"
#include "results/ResultsChart.h"

namespace zandoli {

ResultsLegend::ResultsLegend(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QCoreApplication::translate(
        "Results",
        "Bars: filled for cards matched, hatched for wrong cards, outlined for cards "
        "missed"));
}

void ResultsLegend::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const std::array<std::pair<ResultsChart::Bar, QString>, 3> keys{{
        {ResultsChart::Bar::Matched, QCoreApplication::translate("Results", "matched")},
        {ResultsChart::Bar::Wrong, QCoreApplication::translate("Results", "wrong")},
        {ResultsChart::Bar::Missed, QCoreApplication::translate("Results", "missed")},
    }};
    const double step = width() / 3.0;
    const double bar = height() * 0.45;
    for (size_t i = 0; i < keys.size(); ++i) {
        const double left = static_cast<double>(i) * step;
        ResultsChart::paintBar(painter, QRectF(left, (height() - bar * 2) / 2, bar, bar * 2),
                               keys[i].first, Qt::white);
        painter.setPen(screenLook::YELLOW);
        painter.drawText(QRectF(left + bar * 1.6, 0, step - bar * 1.6, height()),
                         Qt::AlignLeft | Qt::AlignVCenter, keys[i].second);
    }
}

}  // namespace zandoli

#include "moc_ResultsLegend.cpp"

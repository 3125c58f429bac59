#pragma once

#include <QColor>
#include <QWidget>

#include "record/GameResults.h"

namespace zandoli {

// One player's cards by form as bars a child reads at a glance: for each
// form a group of three bars, matched (filled in the player's colour), wrong
// (hatched) and missed (outlined), each with its count on top and the form
// drawn under the group as a small card. The bars of every player of a game
// share one scale, so that they compare. To a screen reader the chart is a
// picture whose name says it all in words.
class ResultsChart : public QWidget {
    Q_OBJECT

public:
    explicit ResultsChart(QWidget* parent);

    void setResults(const PlayerResults& player, const QColor& colour, int scaleTop);

    // The three kinds of bar, for the legend that explains them.
    enum class Bar { Matched, Wrong, Missed };
    static void paintBar(QPainter& painter, const QRectF& bar, Bar kind, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintGroup(QPainter& painter, const QRectF& place, int form);

    PlayerResults player_;
    QColor colour_;
    int scaleTop_ = 1;
};

}  // namespace zandoli

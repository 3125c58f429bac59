#pragma once

#include <QWidget>

namespace zandoli {

// What the three bars of a results chart mean, drawn as the bars are:
// matched, wrong, missed, each beside its word.
class ResultsLegend : public QWidget {
    Q_OBJECT

public:
    explicit ResultsLegend(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zandoli

#pragma once

#include <QString>
#include <QWidget>

#include "record/Report.h"

namespace zandoli {

// A pupil's page of the report as it prints, white paper at the run's
// scale, on the report screen; read out as its heading and, on asking, the
// rest in words. `above` is what the first page of several pupils' says
// above the first.
class PupilPage : public QWidget {
public:
    PupilPage(const report::Pupil& pupil, const report::Period& period, QString above,
              QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    report::Pupil pupil_;
    report::Period period_;
    QString above_;
};

}  // namespace zandoli

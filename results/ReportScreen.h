#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/Screen.h"
#include "record/Report.h"

class QComboBox;
class QScrollArea;

namespace zandoli {

// The teacher's report in the game, at the table's size: a period and a
// pupil (or every pupil) chosen, the pages the printed report holds shown
// one under the other as they print, and the way to save them as a PDF or
// the period's choices for a spreadsheet.
class ReportScreen : public Screen {
    Q_OBJECT

public:
    // `recordPath` empty: the user's record.
    explicit ReportScreen(const QString& recordPath = QString());

    // Opens on every pupil's games of all time.
    void showReport();
    void choosePeriod(report::PeriodKind kind);
    // Index into the pupils of the period; -1 for every pupil.
    void choosePupil(int index);
    void savePdfPressed();
    void saveCsvPressed();
    void backPressed();

    // Every pupil who played in the period, and the pages shown.
    const std::vector<report::Pupil>& pupils() const { return pupils_; }
    int shownPages() const;

protected:
    QWidget* createWindow() override;
    void onLoad() override;

    // Where to save; empty when the teacher cancelled. Tests answer it.
    virtual QString chooseFile(const QString& title, const QString& suggested,
                               const QString& filter);
    // The time the periods are counted back from; tests fix it.
    virtual int64_t nowMs() const;

private:
    void buildChoices(QWidget* form);
    void buildPages(QWidget* form);
    void buildButtons(QWidget* form);
    void readRecord();
    void showPages();
    // What a save did, on the screen and to a screen reader.
    void tell(ButtonLabel* pressed, const QString& what);

    QString record_;
    report::PeriodKind periodKind_ = report::PeriodKind::All;
    report::Period period_;
    std::vector<report::Pupil> pupils_;
    bool unreadable_ = false;
    int pupil_ = -1;
    QPointer<QComboBox> periodChoice_;
    QPointer<QComboBox> pupilChoice_;
    QPointer<QScrollArea> pages_;
    QPointer<ClickLabel> empty_;
    QPointer<ClickLabel> status_;
    QPointer<ButtonLabel> savePdf_;
    QPointer<ButtonLabel> saveCsv_;
    QPointer<ButtonLabel> back_;
};

}  // namespace zandoli

#include "results/ReportScreen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

#include "platform/KeyboardFocus.h"
#include "platform/Platform.h"
#include "platform/ScreenControls.h"
#include "platform/ScreenLook.h"
#include "platform/Speech.h"
#include "platform/Units.h"
#include "record/RecordStore.h"
#include "results/PupilPage.h"
#include "results/ReportWords.h"
#include "results/ResultsWords.h"
#include "results/TeacherLook.h"
#include "results/TeacherReport.h"

namespace zandoli {

using namespace screenControls;
using namespace screenLook;

namespace {

const Face CHOICE_FACE{ARIAL, 12, true};
const Face STATUS_FACE{ARIAL, 9.75, true};

constexpr TwipRect PAGES{360, 840, 14640, 9900};
// The room between two pages and around them, in pixels at scale 1.
constexpr int PAGE_GAP = 16;

constexpr std::array PERIODS{report::PeriodKind::Today, report::PeriodKind::Week,
                             report::PeriodKind::Term, report::PeriodKind::All};

QString periodName(report::PeriodKind kind) {
    switch (kind) {
        case report::PeriodKind::Today:
            return QCoreApplication::translate("Report", "Today");
        case report::PeriodKind::Week:
            return QCoreApplication::translate("Report", "This Week");
        case report::PeriodKind::Term:
            return QCoreApplication::translate("Report", "This Term (12 Weeks)");
        case report::PeriodKind::All:
            break;
    }
    return QCoreApplication::translate("Report", "All Games");
}

QComboBox* choice(QWidget* parent, const QString& name, const QString& reads, TwipRect place) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(reads);
    box->setFont(font(CHOICE_FACE));
    box->setGeometry(pixels(place));
    box->setStyleSheet(
        QStringLiteral("QComboBox { color: yellow; background: black; }"
                       "QComboBox { border: 1px solid yellow; padding: 0 4px; }"
                       "QAbstractItemView { color: yellow; background: black; }"
                       "QAbstractItemView { selection-color: black; }"
                       "QAbstractItemView { selection-background-color: yellow; }"));
    return box;
}

}  // namespace

ReportScreen::ReportScreen(const QString& recordPath)
    : Screen(QStringLiteral("report")),
      record_(recordPath.isEmpty() ? RecordStore::userPath() : recordPath) {}

QWidget* ReportScreen::createWindow() {
    QWidget* form = makeLargeWindow();
    buildChoices(form);
    buildPages(form);
    buildButtons(form);
    bindFullScreenKey(form);

    connect(periodChoice_, &QComboBox::activated, this,
            [this](int index) { choosePeriod(PERIODS[static_cast<size_t>(index)]); });
    connect(pupilChoice_, &QComboBox::activated, this,
            [this](int index) { choosePupil(index - 1); });
    speech::setWindowPurpose(form, QCoreApplication::translate("Report", "Teacher's Report"));
    return form;
}

// The heading, and the period and the pupil to choose.
void ReportScreen::buildChoices(QWidget* form) {
    text(form, QStringLiteral("reportHeading"),
         QCoreApplication::translate("Report", "Teacher's Report"), {360, 120, 5880, 600},
         teacherLook::HEADING_FACE, Qt::AlignLeft | Qt::AlignTop);
    const QString periodWord = QCoreApplication::translate("Report", "Period");
    text(form, QStringLiteral("periodLabel"), periodWord, {6060, 180, 1440, 480}, CHOICE_FACE,
         Qt::AlignRight | Qt::AlignVCenter);
    periodChoice_ =
        choice(form, QStringLiteral("periodChoice"), periodWord, {7680, 180, 3240, 480});
    for (const report::PeriodKind kind : PERIODS) {
        periodChoice_->addItem(periodName(kind));
    }
    const QString pupilWord = QCoreApplication::translate("Report", "Pupil");
    text(form, QStringLiteral("pupilLabel"), pupilWord, {10860, 180, 1080, 480}, CHOICE_FACE,
         Qt::AlignRight | Qt::AlignVCenter);
    pupilChoice_ = choice(form, QStringLiteral("pupilChoice"), pupilWord, {12120, 180, 3000, 480});
}

// The pages, scrolled, and the line that says when there are none.
void ReportScreen::buildPages(QWidget* form) {
    pages_ = new QScrollArea(form);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setAccessibleName(QCoreApplication::translate("Report", "Pages"));
    pages_->setGeometry(pixels(PAGES));
    pages_->setFrameShape(QFrame::NoFrame);
    pages_->setWidgetResizable(true);
    pages_->setStyleSheet(
        QStringLiteral(
            "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"
            "QScrollBar:vertical { background: black; width: %1px; }"
            "QScrollBar:vertical { border: 1px solid yellow; }"
            "QScrollBar::handle:vertical { background: yellow; min-height: %2px; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }")
            .arg(units::line(14))
            .arg(units::line(40)));
    empty_ = text(form, QStringLiteral("noPupils"), QString(), {360, 4800, 14640, 900},
                  teacherLook::EMPTY_FACE, Qt::AlignCenter);
}

void ReportScreen::buildButtons(QWidget* form) {
    savePdf_ = button(form, QStringLiteral("savePdfButton"),
                      QCoreApplication::translate("Report", "Save as PDF…"),
                      {120, 10920, 3495, 495}, teacherLook::BUTTON_FACE);
    connect(savePdf_, &ButtonLabel::clicked, this, &ReportScreen::savePdfPressed);
    bindKey(savePdf_, QKeySequence::Save,
            QCoreApplication::translate("Report", "save the pages shown as a PDF to print"));
    saveCsv_ = button(form, QStringLiteral("saveCsvButton"),
                      QCoreApplication::translate("Report", "Save for a Spreadsheet…"),
                      {3735, 10920, 4335, 495}, teacherLook::BUTTON_FACE);
    connect(saveCsv_, &ButtonLabel::clicked, this, &ReportScreen::saveCsvPressed);
    speech::setDescription(
        saveCsv_, QCoreApplication::translate(
                      "Report", "save every choice of the period as a CSV file, a row a choice"));
    status_ = text(form, QStringLiteral("saveStatus"), QString(), {8190, 10860, 5250, 615},
                   STATUS_FACE, Qt::AlignLeft | Qt::AlignVCenter);
    status_->setWordWrap(true);
    back_ =
        button(form, QStringLiteral("backButton"), QCoreApplication::translate("Results", "Back"),
               {13560, 10920, 1695, 495}, teacherLook::BUTTON_FACE);
    connect(back_, &ButtonLabel::clicked, this, &ReportScreen::backPressed);
    bindKey(back_, QKeySequence(Qt::Key_Escape),
            QCoreApplication::translate("Report", "close the report"));
}

void ReportScreen::onLoad() {
    fitWindow(window());
    // A window built again at another scale shows what it showed.
    showPages();
}

void ReportScreen::showReport() {
    periodKind_ = report::PeriodKind::All;
    pupil_ = -1;
    readRecord();
    window();
    status_->clear();
    showPages();
    show();
}

void ReportScreen::choosePeriod(report::PeriodKind kind) {
    QString chosen;
    if (pupil_ >= 0) {
        chosen = resultsWords::playerName(pupils_[static_cast<size_t>(pupil_)].results);
    }
    periodKind_ = kind;
    readRecord();
    // The pupil chosen stays chosen while the period holds their games.
    pupil_ = -1;
    for (size_t i = 0; i < pupils_.size() && !chosen.isEmpty(); ++i) {
        if (resultsWords::playerName(pupils_[i].results) == chosen) {
            pupil_ = static_cast<int>(i);
        }
    }
    showPages();
}

void ReportScreen::choosePupil(int index) {
    pupil_ = index >= 0 && index < static_cast<int>(pupils_.size()) ? index : -1;
    showPages();
}

void ReportScreen::readRecord() {
    period_ = report::periodOf(periodKind_, nowMs());
    auto read = report::readPupils(record_, period_);
    pupils_ = std::move(read.value);
    unreadable_ = read.failed();
}

int ReportScreen::shownPages() const {
    if (!pages_ || pages_->widget() == nullptr) {
        return 0;
    }
    return static_cast<int>(
        pages_->widget()
            ->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^page")),
                                     Qt::FindDirectChildrenOnly)
            .size());
}

void ReportScreen::showPages() {
    window();
    periodChoice_->setCurrentIndex(
        static_cast<int>(std::find(PERIODS.begin(), PERIODS.end(), periodKind_) - PERIODS.begin()));
    pupilChoice_->clear();
    pupilChoice_->addItem(QCoreApplication::translate("Report", "Every Pupil"));
    for (const report::Pupil& pupil : pupils_) {
        pupilChoice_->addItem(resultsWords::playerName(pupil.results));
    }
    pupilChoice_->setCurrentIndex(pupil_ + 1);

    auto* column = new QWidget;
    auto* stack = new QVBoxLayout(column);
    stack->setSpacing(units::line(PAGE_GAP));
    stack->setContentsMargins(0, 0, 0, units::line(PAGE_GAP));
    std::vector<QWidget*> shown;
    const QString summary = pupil_ < 0 ? reportWords::classSummary(pupils_, period_) : QString();
    for (size_t i = 0; i < pupils_.size(); ++i) {
        if (pupil_ < 0 || static_cast<size_t>(pupil_) == i) {
            auto* page =
                new PupilPage(pupils_[i], period_, shown.empty() ? summary : QString(), column);
            page->setObjectName(QStringLiteral("page%1").arg(i));
            stack->addWidget(page, 0, Qt::AlignHCenter);
            shown.push_back(page);
        }
    }
    stack->addStretch();
    pages_->setWidget(column);
    // Tab reads the pages one after the other, after the area that scrolls them.
    std::vector<QWidget*> order{periodChoice_, pupilChoice_, pages_};
    order.insert(order.end(), shown.begin(), shown.end());
    order.insert(order.end(), {savePdf_, saveCsv_, back_});
    keyboard::setReadingOrder(order);
    empty_->setText(!pupils_.empty() ? QString()
                    : unreadable_    ? resultsWords::unreadableText()
                                     : QCoreApplication::translate(
                                           "Report", "No game was recorded in this period."));
    empty_->setVisible(pupils_.empty());
    savePdf_->setEnabled(!pupils_.empty());
    saveCsv_->setEnabled(!pupils_.empty());
}

QString ReportScreen::chooseFile(const QString& title, const QString& suggested,
                                 const QString& filter) {
    return QFileDialog::getSaveFileName(window(), title, QDir::home().filePath(suggested), filter);
}

int64_t ReportScreen::nowMs() const {
    return QDateTime::currentMSecsSinceEpoch();
}

void ReportScreen::savePdfPressed() {
    emit soundRequested(CLICK);
    if (pupils_.empty()) {
        return;
    }
    std::vector<report::Pupil> shown = pupils_;
    if (pupil_ >= 0) {
        shown = {pupils_[static_cast<size_t>(pupil_)]};
    }
    const QString file = chooseFile(QCoreApplication::translate("Report", "Save as PDF"),
                                    QCoreApplication::translate("Report", "Zandoli report.pdf"),
                                    QCoreApplication::translate("Report", "PDF documents (*.pdf)"));
    if (!file.isEmpty()) {
        tell(savePdf_, writeTeacherReport(shown, file, period_).message);
    }
}

void ReportScreen::saveCsvPressed() {
    emit soundRequested(CLICK);
    if (pupils_.empty()) {
        return;
    }
    const QString file =
        chooseFile(QCoreApplication::translate("Report", "Save for a Spreadsheet"),
                   QCoreApplication::translate("Report", "Zandoli choices.csv"),
                   QCoreApplication::translate("Report", "CSV files for spreadsheets (*.csv)"));
    if (!file.isEmpty()) {
        tell(saveCsv_, report::exportChoices(record_, file, period_).message);
    }
}

void ReportScreen::tell(ButtonLabel* pressed, const QString& what) {
    QString sentence = what;
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
    }
    status_->setText(sentence);
    speech::announce(pressed, sentence);
}

void ReportScreen::backPressed() {
    emit closeRequested();
}

}  // namespace zandoli

#include "moc_ReportScreen.cpp"

#include "screens/LessonDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QSignalBlocker>
#include <algorithm>
#include <array>

#include "engine/Values.h"
#include "platform/CheckBox.h"
#include "platform/Choices.h"
#include "platform/ScreenControls.h"
#include "platform/Speech.h"
#include "results/ResultsWords.h"
#include "table/CardWords.h"

namespace zandoli {

namespace {

// The built-in lessons after the standard one, their values and forms as a
// lesson file gives them. The tenths are the values written in tenths alone.
struct BuiltIn {
    const char* name;
    const char* values;
    const char* forms;
};
constexpr std::array<BuiltIn, 3> BUILT_IN = {{
    {QT_TRANSLATE_NOOP("Lesson", "Halves, quarters and tenths"),
     "1/2, 1/4, 3/4, 1/10, 3/10, 7/10, 9/10", "decimal, fraction, tile, whole"},
    {QT_TRANSLATE_NOOP("Lesson", "Tenths and quarters as decimals and percentages"),
     "1/10, 3/10, 7/10, 9/10, 1/4, 3/4, 1", "decimal, percent, whole"},
    {QT_TRANSLATE_NOOP("Lesson", "Fifths and tenths as fractions and tiles"),
     "1/5, 2/5, 3/5, 4/5, 1/10, 3/10, 7/10, 9/10", "fraction, tile"},
}};

// The object names of the form boxes, by CardKind.
constexpr std::array<const char*, CARD_FORMS> FORM_BOXES = {"wholeBox", "decimalBox", "percentBox",
                                                            "fractionBox", "tileBox"};
constexpr int VALUE_COLUMNS = 6;

// A control in the second column beside its label, which names it.
void addRow(QGridLayout* grid, int row, const QString& label, QWidget* control,
            Qt::Alignment align = {}) {
    auto* text = new QLabel(label, grid->parentWidget());
    text->setBuddy(control);
    grid->addWidget(text, row, 0, Qt::AlignTop);
    grid->addWidget(control, row, 1, align);
}

}  // namespace

std::vector<Lesson> LessonDialog::builtInLessons() {
    std::vector<Lesson> lessons{everyValueLesson()};
    for (const BuiltIn& built : BUILT_IN) {
        const std::string text =
            std::string("values = ") + built.values + "\nforms = " + built.forms + "\n";
        Lesson lesson = readLesson(text).lesson.value_or(everyValueLesson());
        lesson.name = QCoreApplication::translate("Lesson", built.name).toStdString();
        lessons.push_back(lesson);
    }
    return lessons;
}

LessonDialog::LessonDialog(QWidget* parent) : QDialog(parent) {
    screenControls::lookOfDialog(this, QStringLiteral("lessonDialog"),
                                 QCoreApplication::translate("Lesson", "Lesson"));
    auto* grid = new QGridLayout(this);
    buildLessons(grid);
    buildBoxes(grid);
    buildButtons(grid);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 50);
    showLesson(choices::lesson());
    builtIns_->setFocus();
}

void LessonDialog::buildLessons(QGridLayout* grid) {
    auto* intro = new QLabel(
        QCoreApplication::translate("Lesson",
                                    "Choose what the class plays: a lesson from the list, or the "
                                    "values and forms ticked below."),
        this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 2);
    builtIns_ = new QListWidget(this);
    builtIns_->setObjectName(QStringLiteral("builtInLessons"));
    builtIns_->setAccessibleName(QCoreApplication::translate("Lesson", "Built-in lessons"));
    for (const Lesson& lesson : builtInLessons()) {
        builtIns_->addItem(choices::lessonName(lesson));
    }
    // Every lesson in sight, none scrolled away.
    builtIns_->setFixedHeight(builtIns_->sizeHintForRow(0) * builtIns_->count() +
                              2 * builtIns_->frameWidth());
    // A lesson is chosen by selecting it: the list makes its first row
    // current, unselected, when it takes the focus.
    connect(builtIns_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = builtIns_->selectedItems();
        if (!chosen.isEmpty()) {
            builtInChosen(builtIns_->row(chosen.front()));
        }
    });
    addRow(grid, 1, QCoreApplication::translate("Lesson", "Built-in lessons:"), builtIns_);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("lessonNameBox"));
    name_->setMaxLength(static_cast<int>(LONGEST_LESSON_NAME));
    name_->setAccessibleName(QCoreApplication::translate("Lesson", "Name of the lesson"));
    connect(name_, &QLineEdit::textChanged, this, &LessonDialog::choiceChanged);
    addRow(grid, 2, QCoreApplication::translate("Lesson", "Name:"), name_);
}

void LessonDialog::buildBoxes(QGridLayout* grid) {
    auto* values =
        new QGroupBox(QCoreApplication::translate("Lesson", "Cards of these values:"), this);
    auto* valueGrid = new QGridLayout(values);
    for (const CardValue& value : CARD_VALUES) {
        const QString fraction = QString::fromStdString(fractionText(value.value));
        QCheckBox* box = addBox(values, QStringLiteral("value") + fraction, fraction);
        // "1/4" would be read out as "one slash four".
        box->setAccessibleName(valueWords(value.value));
        const auto at = static_cast<int>(values_.size());
        valueGrid->addWidget(box, at / VALUE_COLUMNS, at % VALUE_COLUMNS);
        values_.push_back(box);
    }
    grid->addWidget(values, 3, 0, 1, 2);
    auto* forms =
        new QGroupBox(QCoreApplication::translate("Lesson", "Cards in these forms:"), this);
    auto* formRow = new QHBoxLayout(forms);
    forms_.resize(CARD_FORMS);
    for (const CardKind kind : resultsWords::FORMS_SHOWN) {
        QCheckBox* box = addBox(forms, QString::fromLatin1(FORM_BOXES[static_cast<size_t>(kind)]),
                                resultsWords::formName(kind));
        formRow->addWidget(box);
        forms_[static_cast<size_t>(kind)] = box;
    }
    formRow->addStretch();
    grid->addWidget(forms, 4, 0, 1, 2);
    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("classCodeBox"));
    code_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,%1}").arg(LONGEST_CODE)), code_));
    code_->setMaxLength(static_cast<int>(LONGEST_CODE));
    code_->setPlaceholderText(QCoreApplication::translate("Lesson", "none"));
    code_->setAccessibleName(QCoreApplication::translate("Lesson", "Class code"));
    code_->setAccessibleDescription(QCoreApplication::translate(
        "Lesson", "letters and digits: every computer with the same code deals the same games"));
    code_->setToolTip(code_->accessibleDescription());
    addRow(grid, 5, QCoreApplication::translate("Lesson", "Class code:"), code_, Qt::AlignLeft);
}

QCheckBox* LessonDialog::addBox(QWidget* group, const QString& name, const QString& text) {
    auto* box = new CheckBox(text, group);
    box->setObjectName(name);
    // As wide as its text, so that a click beside it is no click on it.
    box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(box, &QCheckBox::toggled, this, &LessonDialog::choiceChanged);
    return box;
}

QPushButton* LessonDialog::addButton(QHBoxLayout* row, const QString& name, const QString& text,
                                     void (LessonDialog::*pressed)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    // Enter is OK's alone.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, pressed);
    row->addWidget(button);
    return button;
}

void LessonDialog::buildButtons(QGridLayout* grid) {
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lessonStatus"));
    status_->setWordWrap(true);
    grid->addWidget(status_, 6, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    addButton(buttons, QStringLiteral("lessonOpen"),
              QCoreApplication::translate("Lesson", "Open File…"), &LessonDialog::openPressed);
    save_ = addButton(buttons, QStringLiteral("lessonSave"),
                      QCoreApplication::translate("Lesson", "Save as File…"),
                      &LessonDialog::savePressed);
    buttons->addStretch();
    ok_ = addButton(buttons, QStringLiteral("lessonOk"),
                    QCoreApplication::translate("Lesson", "OK"), &LessonDialog::accept);
    ok_->setDefault(true);
    addButton(buttons, QStringLiteral("lessonCancel"),
              QCoreApplication::translate("Lesson", "Cancel"), &LessonDialog::reject);
    grid->addLayout(buttons, 7, 0, 1, 2);
}

Lesson LessonDialog::lesson() const {
    Lesson made;
    // One line without control characters, as a lesson file keeps it.
    made.name = name_->text()
                    .simplified()
                    .remove(QRegularExpression(QStringLiteral("\\p{Cc}")))
                    .toStdString();
    // The standard lesson named in the player's language is still the
    // standard lesson, named in every language.
    if (QString::fromStdString(made.name) == choices::lessonName(everyValueLesson())) {
        made.name = everyValueLesson().name;
    }
    for (size_t i = 0; i < values_.size(); ++i) {
        if (values_[i]->isChecked()) {
            made.values.push_back(CARD_VALUES[i].value);
        }
    }
    for (size_t kind = 0; kind < forms_.size(); ++kind) {
        if (forms_[kind]->isChecked()) {
            made.forms.push_back(static_cast<CardKind>(kind));
        }
    }
    made.explain = explain_;
    made.sound = sound_;
    made.code = code_->text().toUpper().toStdString();
    return made;
}

void LessonDialog::showLesson(const Lesson& shown) {
    filling_ = true;
    name_->setText(choices::lessonName(shown));
    for (size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setChecked(std::find(shown.values.begin(), shown.values.end(),
                                         CARD_VALUES[i].value) != shown.values.end());
    }
    for (size_t kind = 0; kind < forms_.size(); ++kind) {
        forms_[kind]->setChecked(std::find(shown.forms.begin(), shown.forms.end(),
                                           static_cast<CardKind>(kind)) != shown.forms.end());
    }
    code_->setText(QString::fromStdString(shown.code));
    explain_ = shown.explain;
    sound_ = shown.sound;
    filling_ = false;
    choiceChanged();
}

void LessonDialog::builtInChosen(int row) {
    const std::vector<Lesson> lessons = builtInLessons();
    if (row < 0 || row >= static_cast<int>(lessons.size())) {
        return;
    }
    // The teacher's class code and switches stay: a built-in lesson
    // chooses only what is dealt.
    Lesson chosen = lessons[static_cast<size_t>(row)];
    chosen.code = lesson().code;
    chosen.explain = explain_;
    chosen.sound = sound_;
    showLesson(chosen);
}

void LessonDialog::choiceChanged() {
    if (filling_) {
        return;
    }
    const Lesson made = lesson();
    QString why;
    if (made.name.empty()) {
        why = QCoreApplication::translate("Lesson", "Type a name for the lesson.");
    } else if (!lessonDeck(made.values, made.forms)) {
        why = QCoreApplication::translate(
            "Lesson", "No card has a value and a form ticked: tick another value or form.");
    }
    ok_->setEnabled(why.isEmpty());
    save_->setEnabled(why.isEmpty());
    tell(why);
    // The list marks the built-in lesson the boxes deal, if they deal one.
    const std::vector<Lesson> lessons = builtInLessons();
    const QSignalBlocker quiet(builtIns_);
    builtIns_->clearSelection();
    for (size_t row = 0; row < lessons.size(); ++row) {
        if (lessons[row].values == made.values && lessons[row].forms == made.forms) {
            builtIns_->setCurrentRow(static_cast<int>(row));
        }
    }
}

void LessonDialog::tell(const QString& what) {
    if (status_->text() == what) {
        return;
    }
    status_->setText(what);
    if (!what.isEmpty()) {
        speech::alert(status_);
    }
}

QString LessonDialog::chooseFile(bool save, const QString& suggested) {
    QFileDialog chooser(this,
                        save ? QCoreApplication::translate("Lesson", "Save the Lesson as a File")
                             : QCoreApplication::translate("Lesson", "Open a Lesson File"),
                        QDir::home().filePath(suggested),
                        QCoreApplication::translate("Lesson", "Lessons (*.lesson);;All files (*)"));
    chooser.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    chooser.setDefaultSuffix(QStringLiteral("lesson"));
    return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
}

void LessonDialog::openPressed() {
    const QString path = chooseFile(false, QString());
    if (path.isEmpty()) {
        return;
    }
    const choices::LessonFile read = choices::readLessonFile(path);
    if (!read.lesson) {
        // A file refused changes nothing the boxes show.
        tell(read.problem);
        return;
    }
    showLesson(*read.lesson);
    tell(QCoreApplication::translate("Lesson", "Opened %1.").arg(QFileInfo(path).fileName()));
}

void LessonDialog::savePressed() {
    const Lesson made = lesson();
    // The lesson's name as a file name: no folder in it.
    QString suggested = choices::lessonName(made);
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = chooseFile(true, suggested + QStringLiteral(".lesson"));
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(QByteArray::fromStdString(writeLesson(made))) >= 0 &&
                         file.commit();
    const QString name = QFileInfo(path).fileName();
    tell(written ? QCoreApplication::translate("Lesson", "Saved as %1.").arg(name)
                 : QCoreApplication::translate("Lesson", "%1 could not be written.").arg(name));
}

void LessonDialog::accept() {
    choices::setLesson(lesson());
    QDialog::accept();
}

}  // namespace zandoli

#include "moc_LessonDialog.cpp"

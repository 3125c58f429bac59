#include "platform/Choices.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "platform/Platform.h"

namespace zandoli::choices {

namespace {

const QString EXPLAIN = QStringLiteral("explainMistakes");
const QString LESSON = QStringLiteral("lesson");
const QString LANGUAGE = QStringLiteral("language");
const QString KIOSK = QStringLiteral("kiosk");
const QString CLASS_GAMES = QStringLiteral("classGames/");

bool& kioskRun() {
    static bool on = false;
    return on;
}

// The administrator's settings alone: never a user's, which a user's
// QSettings would read first.
QSettings systemSettings() {
    return QSettings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("zandoli"),
                     QStringLiteral("zandoli"));
}

// The administrator's lesson, read once a run; none when none is set.
const LessonFile& systemLesson() {
    static const LessonFile read = [] {
        const QString path = systemSettings().value(LESSON).toString();
        return path.isEmpty() ? LessonFile{} : readLessonFile(path);
    }();
    return read;
}

// The lesson files' faults, in the translators' "Lesson" context.
struct LessonWords {
    Q_DECLARE_TR_FUNCTIONS(Lesson)
};

}  // namespace

Lesson lesson() {
    if (systemLesson().lesson) {
        return *systemLesson().lesson;
    }
    if (!systemSettings().value(LESSON).toString().isEmpty()) {
        // A lesson the administrator set but that cannot be read locks the
        // standard one, rather than let each pupil choose.
        return everyValueLesson();
    }
    const QString text = userSettings().value(LESSON).toString();
    const LessonReading reading = readLesson(text.toStdString());
    return reading.lesson && !text.isEmpty() ? *reading.lesson : everyValueLesson();
}

bool setLesson(const Lesson& chosen) {
    if (locked()) {
        return false;
    }
    keepChoice(LESSON, QString::fromStdString(writeLesson(chosen)));
    if (chosen.explain) {
        setExplainMistakes(*chosen.explain);
    }
    return true;
}

QString lessonName(const Lesson& shown) {
    if (shown.name == everyValueLesson().name) {
        return QCoreApplication::translate("Lesson", "Every value, every form");
    }
    return QString::fromStdString(shown.name);
}

bool locked() {
    return kioskRun() || systemSettings().value(KIOSK, false).toBool() ||
           !systemSettings().value(LESSON).toString().isEmpty();
}

void setKiosk(bool on) {
    kioskRun() = on;
}

QString lockedLanguage() {
    return systemSettings().value(LANGUAGE).toString();
}

QString lockedLessonProblem() {
    return systemLesson().problem;
}

LessonFile readLessonFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, LessonWords::tr("%1 cannot be read").arg(path)};
    }
    // One byte more than a lesson may have tells a file that is too large.
    const QByteArray bytes = file.read(static_cast<qint64>(LONGEST_LESSON) + 1);
    LessonReading reading = readLesson(std::string_view(bytes.constData(), bytes.size()));
    if (!reading.lesson) {
        return {std::nullopt, QStringLiteral("%1: %2").arg(path, lessonProblem(reading))};
    }
    if (reading.lesson->name.empty()) {
        reading.lesson->name =
            QFileInfo(path).completeBaseName().left(LONGEST_LESSON_NAME).toStdString();
    }
    return {reading.lesson, QString()};
}

QString lessonProblem(const LessonReading& reading) {
    const QString word = QString::fromStdString(reading.word);
    QString why;
    switch (reading.fault) {
        case LessonFault::NotText:
            return LessonWords::tr("it is not a lesson: a lesson is a text file");
        case LessonFault::TooLarge:
            return LessonWords::tr("it is too large for a lesson (64 KiB at most)");
        case LessonFault::NoGame:
            return LessonWords::tr("no card has a value and a form of this lesson");
        case LessonFault::NotAKeyLine:
            why = LessonWords::tr("\"%1\" is not a line of the form key = value").arg(word);
            break;
        case LessonFault::UnknownKey:
            why = LessonWords::tr(
                      "\"%1\" is not a key of a lesson (name, values, forms, explain, sound, code)")
                      .arg(word);
            break;
        case LessonFault::RepeatedKey:
            why = LessonWords::tr("\"%1\" is given twice").arg(word);
            break;
        case LessonFault::UnknownValue:
            why = LessonWords::tr(
                      "\"%1\" is not a value of the game (1/10 to 9/10, 1/5 to 4/5, 1/4, 1/2, 3/4, "
                      "1)")
                      .arg(word);
            break;
        case LessonFault::UnknownForm:
            why = LessonWords::tr("\"%1\" is not a form (decimal, percent, fraction, tile, whole)")
                      .arg(word);
            break;
        case LessonFault::NotOnOrOff:
            why = LessonWords::tr("\"%1\" is neither on nor off").arg(word);
            break;
        case LessonFault::BadName:
            why = LessonWords::tr("the name must be 1 to 60 characters");
            break;
        case LessonFault::BadCode:
            why =
                LessonWords::tr("\"%1\" is not a class code: 1 to 12 letters and digits").arg(word);
            break;
    }
    return LessonWords::tr("line %1: %2").arg(reading.line).arg(why);
}

bool explainMistakes() {
    const Lesson current = lesson();
    if (locked() && current.explain) {
        return *current.explain;
    }
    // On until a player turns it off: explanations are what a child learns
    // most from.
    return userSettings().value(EXPLAIN, true).toBool();
}

void setExplainMistakes(bool on) {
    keepChoice(EXPLAIN, on);
}

int classGame(const QString& code) {
    return std::max(1, userSettings().value(CLASS_GAMES + code, 1).toInt());
}

void setClassGame(const QString& code, int game) {
    userSettings().setValue(CLASS_GAMES + code, game);
}

}  // namespace zandoli::choices

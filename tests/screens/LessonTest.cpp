// The lesson chooser as a teacher uses it (lesson.txt): built-in lessons
// picked, values and forms ticked, lessons saved to files and read back,
// bad files refused; and the chooser on a 1280 x 720 screen with every text
// a third longer, as a translation may make it.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <optional>

#include "platform/Choices.h"
#include "screens/LessonDialog.h"
#include "tests/support/Transcript.h"

namespace zandoli {
namespace {

// The chooser with its file dialog answered by the test.
class AnsweredLessonDialog : public LessonDialog {
public:
    AnsweredLessonDialog() : LessonDialog(nullptr) {}
    QString answer;
    QString asked;

protected:
    QString chooseFile(bool save, const QString& suggested) override {
        asked = save ? "save " + suggested : QStringLiteral("open");
        return std::exchange(answer, {});
    }
};

// Texts of a list of controls, in order, the checked ones alone when asked.
template <class Control>
QString texts(const QList<Control*>& controls, bool checkedOnly) {
    QStringList out;
    for (const Control* control : controls) {
        if (!checkedOnly || control->isChecked()) {
            out << control->text();
        }
    }
    return out.join(' ');
}

// The steps are listed at the top of lesson.txt.
class LessonPlayer {
public:
    ~LessonPlayer() {
        choices::setLesson(everyValueLesson());
        choices::setExplainMistakes(true);
    }

    static const testing::Vocabulary<LessonPlayer>& verbs() {
        using P = LessonPlayer;
        static const testing::Vocabulary<LessonPlayer> verbs(
            "the lesson chooser (tests/screens/LessonTest.cpp)",
            {{"start", "start", "the chooser opened on this user's lesson", acts(&P::start)},
             {"pick", "pick NAME", "a built-in lesson clicked", acts(&P::pick)},
             {"tick", "tick 1/4", "the box of a value or a form clicked", acts(&P::tick)},
             {"type", "type name \"TEXT\"", "the name's (or code's) box emptied and typed into",
              acts(&P::type)},
             {"press", "press save", "a button clicked: what the file chooser was asked",
              &P::press},
             {"answer", "answer FILE", "what the file chooser answers next", acts(&P::answer)},
             {"write", "write FILE \"TEXT\"", "a file written (\\n a new line)", acts(&P::write)},
             {"shown", "shown", "the name, values, forms, code, whether OK and Save work",
              &P::shown},
             {"list", "list", "the built-in lessons, the selected one in brackets", &P::list},
             {"status", "status", "what the chooser says", &P::status},
             {"file", "file FILE", "a file's lines, joined by \" / \"", &P::file},
             {"lesson", "lesson", "this user's lesson as its file is written", &P::lesson},
             {"name", "name X", "what a screen reader calls a control", &P::name}});
        return verbs;
    }

private:
    using Step = testing::Step;
    // A step that acts, and gives nothing.
    static testing::Verb<LessonPlayer>::Act acts(void (LessonPlayer::*act)(const Step&)) {
        return [act](LessonPlayer& player, const Step& step) {
            (player.*act)(step);
            return std::string();
        };
    }
    static QString arg(const Step& step) { return QString::fromStdString(step.rest()); }
    // The text between the quotes, with \n for a new line.
    static QString quoted(const Step& step) {
        return arg(step).section('"', 1, -2).replace(QLatin1String("\\n"), "\n");
    }
    void start(const Step&) {
        dialog_.emplace();
        dialog_->open();
    }
    void pick(const Step& step) {
        auto* list = find<QListWidget>("builtInLessons");
        const QListWidgetItem* item = list->findItems(arg(step), Qt::MatchExactly).value(0);
        EXPECT_NE(item, nullptr) << step.rest();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    void tick(const Step& step) { QTest::mouseClick(box(arg(step)), Qt::LeftButton); }
    void type(const Step& step) {
        auto* edit =
            find<QLineEdit>(arg(step).startsWith("name") ? "lessonNameBox" : "classCodeBox");
        edit->clear();
        QTest::keyClicks(edit, quoted(step));
    }
    std::string press(const Step& step) {
        const QString button =
            QStringLiteral("lesson") + arg(step).front().toUpper() + arg(step).mid(1);
        QTest::mouseClick(find<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);
        return std::exchange(dialog_->asked, {}).toStdString();
    }
    void answer(const Step& step) { dialog_->answer = folder_.filePath(arg(step)); }
    void write(const Step& step) {
        QFile file(folder_.filePath(arg(step).section(' ', 0, 0)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(quoted(step).toUtf8());
    }
    std::string shown(const Step&) {
        const QString code = find<QLineEdit>("classCodeBox")->text();
        return QStringLiteral("%1 | %2 | %3 | code %4 | OK %5 Save %6")
            .arg(find<QLineEdit>("lessonNameBox")->text(),
                 texts(dialog_->findChildren<QCheckBox*>(QRegularExpression("^value")), true),
                 texts(dialog_->findChildren<QCheckBox*>(QRegularExpression("Box$")), true),
                 code.isEmpty() ? QStringLiteral("none") : code,
                 find<QPushButton>("lessonOk")->isEnabled() ? "yes" : "no",
                 find<QPushButton>("lessonSave")->isEnabled() ? "yes" : "no")
            .toStdString();
    }
    std::string list(const Step&) {
        const auto* list = find<QListWidget>("builtInLessons");
        QStringList rows;
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            rows << (list->item(row)->isSelected() ? "[" + text + "]" : text);
        }
        return rows.join(" | ").toStdString();
    }
    std::string status(const Step&) {
        return find<QLabel>("lessonStatus")->text().replace(folder_.path(), "<here>").toStdString();
    }
    std::string file(const Step& step) {
        QFile file(folder_.filePath(arg(step)));
        return file.open(QIODevice::ReadOnly) ? lines(QString::fromUtf8(file.readAll()))
                                              : "no file";
    }
    std::string lesson(const Step&) {
        return lines(QString::fromStdString(writeLesson(choices::lesson())));
    }
    std::string name(const Step& step) {
        return QAccessible::queryAccessibleInterface(
                   find<QWidget>(arg(step).toLatin1().constData()))
            ->text(QAccessible::Name)
            .toStdString();
    }
    template <class Control>
    Control* find(const char* name) {
        auto* found = dialog_->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::invalid_argument(std::string("no control ") + name);
        }
        return found;
    }
    QCheckBox* box(const QString& text) {
        for (QCheckBox* box : dialog_->findChildren<QCheckBox*>()) {
            if (box->text() == text) {
                return box;
            }
        }
        throw std::invalid_argument("no box " + text.toStdString());
    }
    static std::string lines(const QString& text) {
        return text.trimmed().split('\n').join(" / ").toStdString();
    }

    QTemporaryDir folder_;
    std::optional<AnsweredLessonDialog> dialog_;
};

// The teacher's lesson chooser.
[[maybe_unused]] const bool lessonRegistered =
    testing::registerTranscript<LessonPlayer>(ZANDOLI_TRANSCRIPTS "/lesson.txt");

// Every text a third longer than its English, as a translation may run.
class LongerTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        return text + QString(static_cast<int>(text.size() / 3), QLatin1Char('w'));
    }
};

// On a 1280 x 720 projector less a 32-pixel panel, under a title bar.
TEST(Lesson, FitsA1280x720ScreenWithTextsAThirdLonger) {
    LongerTexts longer;
    QCoreApplication::installTranslator(&longer);
    {
        AnsweredLessonDialog dialog;
        dialog.show();
        EXPECT_TRUE(dialog.findChild<QLabel*>("lessonStatus")->text().isEmpty());
        const QSize size = dialog.frameGeometry().size();
        EXPECT_LE(size.width(), 1280);
        EXPECT_LE(size.height(), 720 - 32 - 40);
        // 40 letters, and 13 more.
        EXPECT_EQ(dialog.findChild<QListWidget*>()->item(3)->text(),
                  "Fifths and tenths as fractions and tileswwwwwwwwwwwww");
    }
    QCoreApplication::removeTranslator(&longer);
}

}  // namespace
}  // namespace zandoli

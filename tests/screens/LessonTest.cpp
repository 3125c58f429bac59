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
#include <sstream>

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

    std::optional<std::string> play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, a;
        in >> verb >> std::ws;
        std::getline(in, a);
        const QString arg = QString::fromStdString(a);
        // The text between the quotes, with \n for a new line.
        const QString quoted = arg.section('"', 1, -2).replace(QLatin1String("\\n"), "\n");
        if (verb == "start") {
            dialog_.emplace();
            dialog_->open();
        } else if (verb == "pick") {
            auto* list = find<QListWidget>("builtInLessons");
            const QListWidgetItem* item = list->findItems(arg, Qt::MatchExactly).value(0);
            EXPECT_NE(item, nullptr) << a;
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
        } else if (verb == "tick") {
            QTest::mouseClick(box(arg), Qt::LeftButton);
        } else if (verb == "type") {
            auto* edit = find<QLineEdit>(arg.startsWith("name") ? "lessonNameBox" : "classCodeBox");
            edit->clear();
            QTest::keyClicks(edit, quoted);
        } else if (verb == "press") {
            const QString button = QStringLiteral("lesson") + arg.front().toUpper() + arg.mid(1);
            QTest::mouseClick(find<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);
            return std::exchange(dialog_->asked, {}).toStdString();
        } else if (verb == "answer") {
            dialog_->answer = folder_.filePath(arg);
        } else if (verb == "write") {
            QFile file(folder_.filePath(arg.section(' ', 0, 0)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(quoted.toUtf8());
        } else {
            return ask(verb, arg);
        }
        return "";
    }

private:
    std::string ask(const std::string& verb, const QString& arg) {
        if (verb == "shown") {
            const QString code = find<QLineEdit>("classCodeBox")->text();
            return QStringLiteral("%1 | %2 | %3 | code %4 | OK %5 Save %6")
                .arg(find<QLineEdit>("lessonNameBox")->text(),
                     texts(dialog_->findChildren<QCheckBox*>(QRegularExpression("^value")), true),
                     texts(dialog_->findChildren<QCheckBox*>(QRegularExpression("Box$")), true),
                     code.isEmpty() ? QStringLiteral("none") : code,
                     find<QPushButton>("lessonOk")->isEnabled() ? "yes" : "no",
                     find<QPushButton>("lessonSave")->isEnabled() ? "yes" : "no")
                .toStdString();
        } else if (verb == "list") {
            const auto* list = find<QListWidget>("builtInLessons");
            QStringList rows;
            for (int row = 0; row < list->count(); ++row) {
                const QString text = list->item(row)->text();
                rows << (list->item(row)->isSelected() ? "[" + text + "]" : text);
            }
            return rows.join(" | ").toStdString();
        } else if (verb == "status") {
            return find<QLabel>("lessonStatus")
                ->text()
                .replace(folder_.path(), "<here>")
                .toStdString();
        } else if (verb == "file") {
            QFile file(folder_.filePath(arg));
            return file.open(QIODevice::ReadOnly) ? lines(QString::fromUtf8(file.readAll()))
                                                  : "no file";
        } else if (verb == "lesson") {
            return lines(QString::fromStdString(writeLesson(choices::lesson())));
        } else if (verb == "name") {
            return QAccessible::queryAccessibleInterface(find<QWidget>(arg.toLatin1().constData()))
                ->text(QAccessible::Name)
                .toStdString();
        }
        throw std::invalid_argument("no step " + verb);
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

TEST(Lesson, TheTeachersLessonChooser) {
    testing::playParts<LessonPlayer>(ZANDOLI_TRANSCRIPTS "/lesson.txt");
}

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

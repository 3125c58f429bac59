// The game in each language it speaks, as a transcript (lang.txt): numbers
// written as the child is taught to write them, cards read out in words, the
// pictures of numbers, the choice of language, and every text fitting its
// control.
#include <QCheckBox>
#include <QDir>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <optional>
#include <sstream>

#include "language/Language.h"
#include "language/RulesText.h"
#include "platform/Platform.h"
#include "screens/CommandLine.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/support/Transcript.h"
#include "tests/table/TablePlayer.h"

namespace zandoli::testing {
namespace {

const QString RUN = ZANDOLI_RUN_DIR "/";
const QString BUILT = RUN + "Images/";

QImage image(const QString& file) {
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// Every text lies inside its control and its window: a line within its
// width, wrapped lines within its height. Measured with the control's own
// font, whatever size the screen gave it. With ZANDOLI_LANG_SHOTS naming a
// folder, each window checked is also photographed there, as
// <language>-<screen>.png, for a person to look at.
void expectFits(QWidget* window, const QString& code, const QString& name) {
    const QString where = code + ' ' + name;
    if (const QString folder = qEnvironmentVariable("ZANDOLI_LANG_SHOTS"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        window->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, code, name));
    }
    std::vector<std::pair<QRect, std::string>> texts;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window)) {
            continue;
        }
        const std::string what = (where + ' ' + label->objectName()).toStdString();
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const QSize line(metrics.horizontalAdvance(label->text()), metrics.height());
        QRect drawn =
            label->wordWrap()
                ? metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text())
                : QStyle::alignedRect(Qt::LeftToRight, label->alignment(), line, room);
        const QSize over = drawn.size() - room.size();
        EXPECT_LE(label->wordWrap() ? over.height() : over.width(), 0) << what;
        // The text as drawn, wherever its control reaches, stays on the window.
        drawn.translate(label->mapTo(window, QPoint(0, 0)));
        EXPECT_TRUE(window->rect().contains(drawn)) << what;
        // Nor does it run into another text.
        for (const auto& [other, name] : texts) {
            EXPECT_FALSE(drawn.intersects(other)) << what << " runs into " << name;
        }
        texts.emplace_back(drawn, what);
    }
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        EXPECT_LE(box->sizeHint().width(), box->width()) << where.toStdString();
    }
}

// The rules' example of one half, as a text writes it: from its first
// number to "1/2" ("0,5 ; 50 % ; 1/2").
std::string halfExample(const QString& text) {
    static const QRegularExpression example(QStringLiteral("\\d[^A-Za-z]*1/2"));
    return example.match(text).captured().toStdString();
}

// The text of an RTF body, its "\uN?" code points decoded.
QString rtfText(const QByteArray& rtf) {
    static const QRegularExpression codePoint(QStringLiteral("\\\\u(-?\\d+)\\?"));
    QString text = QString::fromLatin1(rtf);
    for (auto found = codePoint.match(text); found.hasMatch(); found = codePoint.match(text)) {
        text.replace(found.capturedStart(), found.capturedLength(),
                     QChar(static_cast<char16_t>(found.captured(1).toInt())));
    }
    return text;
}

QByteArray readBuilt(const QString& file) {
    QFile in(RUN + file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The steps are listed at the top of lang.txt; the table's are those of
// tests/table/table.txt.
class Speaker {
public:
    Speaker() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }
    ~Speaker() { language::use(QStringLiteral("en"), QLocale::c()); }

    std::string play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, a, b;
        in >> verb >> a >> b;
        if (verb == "speak") {
            // The tests speak the language without the machine's say, on a
            // desktop of the locale named, if any.
            code_ = QString::fromStdString(a);
            language::use(code_, b.empty() ? QLocale::c() : QLocale(QString::fromStdString(b)));
        } else if (verb == "country") {
            return language::country().toStdString();
        } else if (verb == "document") {
            const QString file = language::localised(rulesText::documentName());
            return file.toStdString() + (QFile::exists(RUN + file) ? "" : " (not built)");
        } else if (verb == "example") {
            // One half in the rules: on the rules screen, in the printable
            // rules and on the about page the generator wrote for the country.
            if (a == "screen") {
                return halfExample(rulesText::paragraphs().join(' '));
            }
            if (a == "printed") {
                return halfExample(
                    rtfText(readBuilt(language::localised(rulesText::documentName()))));
            }
            return halfExample(QString::fromUtf8(
                readBuilt(language::localised(QStringLiteral(ZANDOLI_ABOUT_PAGE)))));
        } else if (verb == "key") {
            return QKeySequence(QString::fromStdString(a))
                .toString(QKeySequence::NativeText)
                .toStdString();
        } else if (verb == "buttons") {
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return (box.button(QMessageBox::Yes)->text() + ' ' +
                    box.button(QMessageBox::No)->text())
                .toStdString();
        } else if (verb == "choose") {
            const std::string line = "zandoli " + a + " " + b;
            const commandLine::Reading reading =
                commandLine::read(QString::fromStdString(line).split(' ', Qt::SkipEmptyParts));
            return reading.request ? language::choose(reading.request->language).toStdString()
                                   : "not read: " + reading.error.toStdString();
        } else if (verb == "remembered") {
            // On disk, in the file the user's choices go to. Qt finds that
            // file once a run, so it may lie in an earlier part's folder.
            const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("zandoli"), QStringLiteral("zandoli"));
            return QFile::exists(settings.fileName()) &&
                           settings.contains(QStringLiteral("language"))
                       ? "yes"
                       : "no";
        } else if (verb == "pictures") {
            open(a == "own");
            forgetPictures();
        } else if (verb == "picture") {
            QWidget* window =
                a == "title" ? screens_->title().window() : screens_->setup().window();
            const QImage shown =
                window->findChild<QLabel*>(QString::fromStdString(b))->pixmap().toImage();
            QStringList names = QDir(BUILT).entryList({"opening*", "logo2*"});
            names.removeIf([&](const QString& file) {
                return image(BUILT + file) != shown.convertToFormat(QImage::Format_RGB32);
            });
            return names.join(' ').toStdString();
        } else if (verb == "layout") {
            layout();
        } else if (verb == "fits") {
            expectFits(table_.window(), code_, QString::fromStdString(a));
        } else {
            return table_.play(step);
        }
        return "";
    }

private:
    // The title and the set-up in a folder that holds the language's own
    // pictures, or only the English ones.
    void open(bool own) {
        screens_.reset();
        folder_.emplace();
        QDir(folder_->path()).mkdir("Images");
        for (const QString& file :
             own ? QDir(BUILT).entryList(QDir::Files) : QStringList{"opening.jpg", "logo2.jpg"}) {
            QFile::link(BUILT + file, folder_->path() + "/Images/" + file);
        }
        screens_ = std::make_unique<ScreenRegistry>();
        screens_->hideDesktop = 1;
        screens_->title().show();
        screens_->setup().show();
    }
    // Every screen but the table, which "fits" checks as the steps leave it.
    void layout() {
        open(true);
        screens_->title().setStartCaption(QCoreApplication::translate("Title", "Cancel"));
        screens_->rules().show();
        for (Screen* screen : std::initializer_list<Screen*>{&screens_->title(), &screens_->setup(),
                                                             &screens_->rules()}) {
            expectFits(screen->window(), code_, screen->name());
        }
    }

    QTemporaryDir config_;
    QString code_;
    TablePlayer table_;
    std::optional<WorkingFolder> folder_;
    std::unique_ptr<ScreenRegistry> screens_;
};

TEST(Languages, EachSpeaksItsNumbersPicturesAndChoiceAndFitsItsTexts) {
    playParts<Speaker>(ZANDOLI_LANG_DATA "/lang.txt");
}

}  // namespace
}  // namespace zandoli::testing

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

    static const Vocabulary<Speaker>& verbs() {
        static const Vocabulary<Speaker> verbs(
            "a language and its table (tests/lang/LanguageTest.cpp)",
            {{"speak", "speak fr fr_CA", "the language, on a desktop of the locale named, if any",
              &Speaker::speak},
             {"country", "country", "the country whose notation is written", &Speaker::country},
             {"document", "document", "the printable rules' file (or \"(not built)\")",
              &Speaker::document},
             {"example", "example screen", "one half on the screen, printed, or on the about page",
              &Speaker::example},
             {"key", "key Esc", "a key's name in the language", &Speaker::key},
             {"buttons", "buttons", "a message box's Yes and No", &Speaker::buttons},
             {"choose", "choose --language de", "the language a command line chooses",
              &Speaker::choose},
             {"remembered", "remembered", "whether a settings file was written",
              &Speaker::remembered},
             {"pictures", "pictures own", "the title and set-up with own or English pictures",
              &Speaker::pictures},
             {"picture", "picture title openingPicture", "the built pictures a picture equals",
              &Speaker::picture},
             {"layout", "layout", "every screen but the table's texts fit",
              &Speaker::everyScreenFits},
             {"fits", "fits table-won", "the table's texts fit, photographed so named",
              &Speaker::fits}},
            TablePlayer::verbs(), [](Speaker& speaker) -> TablePlayer& { return speaker.table_; });
        return verbs;
    }

private:
    // The tests speak the language without the machine's say, on a desktop
    // of the locale named, if any.
    std::string speak(const Step& step) {
        code_ = QString::fromStdString(step.word(0));
        const std::string locale = step.word(1);
        language::use(code_,
                      locale.empty() ? QLocale::c() : QLocale(QString::fromStdString(locale)));
        return "";
    }
    std::string country(const Step&) { return language::country().toStdString(); }
    std::string document(const Step&) {
        const QString file = language::localised(rulesText::documentName());
        return file.toStdString() + (QFile::exists(RUN + file) ? "" : " (not built)");
    }
    // One half in the rules: on the rules screen, in the printable rules and
    // on the about page the generator wrote for the country.
    std::string example(const Step& step) {
        if (step.word(0) == "screen") {
            return halfExample(rulesText::paragraphs().join(' '));
        }
        if (step.word(0) == "printed") {
            return halfExample(rtfText(readBuilt(language::localised(rulesText::documentName()))));
        }
        return halfExample(
            QString::fromUtf8(readBuilt(language::localised(QStringLiteral(ZANDOLI_ABOUT_PAGE)))));
    }
    std::string key(const Step& step) {
        return QKeySequence(QString::fromStdString(step.word(0)))
            .toString(QKeySequence::NativeText)
            .toStdString();
    }
    std::string buttons(const Step&) {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return (box.button(QMessageBox::Yes)->text() + ' ' + box.button(QMessageBox::No)->text())
            .toStdString();
    }
    std::string choose(const Step& step) {
        const std::string line = "zandoli " + step.word(0) + " " + step.word(1);
        const commandLine::Reading reading =
            commandLine::read(QString::fromStdString(line).split(' ', Qt::SkipEmptyParts));
        return reading.request ? language::choose(reading.request->language).toStdString()
                               : "not read: " + reading.error.toStdString();
    }
    // On disk, in the file the user's choices go to. Qt finds that file
    // once a run, so it may lie in an earlier part's folder.
    std::string remembered(const Step&) {
        const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                                 QStringLiteral("zandoli"), QStringLiteral("zandoli"));
        return QFile::exists(settings.fileName()) && settings.contains(QStringLiteral("language"))
                   ? "yes"
                   : "no";
    }
    std::string pictures(const Step& step) {
        open(step.word(0) == "own");
        forgetPictures();
        return "";
    }
    std::string picture(const Step& step) {
        QWidget* window =
            step.word(0) == "title" ? screens_->title().window() : screens_->setup().window();
        const QImage shown =
            window->findChild<QLabel*>(QString::fromStdString(step.word(1)))->pixmap().toImage();
        QStringList names = QDir(BUILT).entryList({"opening*", "logo2*"});
        names.removeIf([&](const QString& file) {
            return image(BUILT + file) != shown.convertToFormat(QImage::Format_RGB32);
        });
        return names.join(' ').toStdString();
    }
    std::string everyScreenFits(const Step&) {
        layout();
        return "";
    }
    std::string fits(const Step& step) {
        expectFits(table_.window(), code_, QString::fromStdString(step.word(0)));
        return "";
    }

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

// Each language speaks its numbers, pictures and choice, and fits its texts.
[[maybe_unused]] const bool languageRegistered =
    registerTranscript<Speaker>(ZANDOLI_LANG_DATA "/lang.txt");

}  // namespace
}  // namespace zandoli::testing

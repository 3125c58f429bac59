// The game in each language it speaks: numbers written as the child is
// taught to write them, cards read out in words, the choice of language,
// and every text fitting its control.
#include <QCheckBox>
#include <QDir>
#include <QStyle>
#include <QTemporaryDir>
#include <array>
#include <fstream>
#include <sstream>

#include "language/Language.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/SetupScreen.h"
#include "screens/TitleScreen.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

const QStringList CODES = {"en", "fr", "es", "de"};

// The documents and the tests speak the language without the desktop's say.
struct Speaking {
    explicit Speaking(const QString& code) { language::use(code, QLocale::c()); }
    ~Speaking() { language::use(QStringLiteral("en"), QLocale::c()); }
};

// notation.txt: what the cards and captions of a two-player table and of a
// won one-player table show and say in each language. Cards by their place
// in the pack: 4 is the decimal 0.3, 15 the percentage 30, 11 the decimal
// 0.25, 22 the percentage 25, 0 the whole one, 33 the fraction 3/10, 38 the
// tile with 6 squares shaded, 24 the percentage 100.
TEST(NumberNotation, CardsAndCaptionsWriteAndReadNumbersAsTheLanguageTeaches) {
    std::ifstream file(ZANDOLI_LANG_DATA "/notation.txt");
    ASSERT_TRUE(file.is_open());
    std::vector<std::array<std::string, 5>> rows;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::array<std::string, 5> row;
        if (words >> row[0] >> row[1] >> row[2] >> row[3] && row[0][0] != '#') {
            std::getline(words >> std::ws, row[4]);
            rows.push_back(row);
        }
    }
    for (const QString& code : CODES) {
        Speaking speaking(code);
        Harness<TableScreen> two(2);
        two.restore({4, 15, 11, 22, 0, 33, 38});
        // The one-player table's count and win, as the rules' golden game leaves them.
        Harness<OnePlayerTable> one(1);
        one.state.spins = 32;
        one.restore({24});
        one.spinTo(14);
        one.clickAt(QPoint(41, 320));
        int checked = 0;
        for (const auto& [language, table, name, how, words] : rows) {
            if (language != code.toStdString()) {
                continue;
            }
            QWidget* control = table == "one" ? one.w(QString::fromStdString(name))
                                              : two.w(QString::fromStdString(name));
            const QString seen =
                how == "says" ? spoken(control) : qobject_cast<QLabel*>(control)->text();
            EXPECT_EQ(seen.toStdString(), words) << language << " " << name;
            ++checked;
        }
        EXPECT_EQ(checked, 11) << code.toStdString();
    }
}

// The title picture and the set-up logo show one half as "0.5" and "50%" in
// English, "0,5" and "50 %" elsewhere: each language other than English has
// pictures of its own, which its screens show; a language without them is
// shown the English ones.
TEST(NumberPictures, EachLanguageShowsItsOwnNotationElseTheEnglishPictures) {
    const QString built = ZANDOLI_RUN_DIR "/Images/";
    const auto image = [](const QString& file) {
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    };
    const std::pair<const char*, const char*> pairs[] = {{"opening.fr.jpg", "opening.jpg"},
                                                         {"logo2.fr.jpg", "logo2.jpg"},
                                                         {"opening@2x.es.jpg", "opening@2x.jpg"},
                                                         {"logo2@2x.de.jpg", "logo2@2x.jpg"}};
    for (const auto& [own, english] : pairs) {
        EXPECT_EQ(image(built + own).size(), image(built + english).size()) << own;
        EXPECT_NE(image(built + own), image(built + english)) << own;
    }

    struct Case {
        const char* code;
        bool ownPictures;  // the folder holds the language's pictures
        const char* opening;
        const char* logo;
    };
    const Case cases[] = {
        {"en", true, "opening.jpg", "logo2.jpg"},
        {"fr", true, "opening.fr.jpg", "logo2.fr.jpg"},
        {"de", true, "opening.de.jpg", "logo2.de.jpg"},
        {"fr", false, "opening.jpg", "logo2.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + (c.ownPictures ? "" : " without its pictures"));
        WorkingFolder folder;
        if (c.ownPictures) {
            QFile::link(ZANDOLI_RUN_DIR "/Images", folder.path() + "/Images");
        } else {
            QDir(folder.path()).mkdir("Images");
            for (const QString file : {"opening.jpg", "logo2.jpg"}) {
                QFile::link(built + file, folder.path() + "/Images/" + file);
            }
        }
        Speaking speaking(c.code);
        ScreenRegistry screens;
        screens.hideDesktop = 1;
        screens.title().show();
        screens.setup().show();
        const auto shown = [&](Screen* screen, const char* name) {
            const auto* box = screen->window()->findChild<QLabel*>(name);
            return box == nullptr ? QImage()
                                  : box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        };
        EXPECT_EQ(shown(&screens.title(), "openingPicture"), image(built + c.opening));
        EXPECT_EQ(shown(&screens.setup(), "logo"), image(built + c.logo));
    }
}

TEST(LanguageChoice, TheOptionWinsIsRememberedAndAnUnknownOneChangesNothing) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    EXPECT_EQ(language::choose({"zandoli", "--language", "de"}), "de");
    EXPECT_EQ(language::choose({"zandoli"}), "de");
    EXPECT_EQ(language::choose({"zandoli", "--language=fr_CA"}), "fr");
    EXPECT_EQ(language::choose({"zandoli", "--language", "xx"}), "fr");
    EXPECT_EQ(language::choose({"zandoli", "--language"}), "fr");
    EXPECT_TRUE(QFile::exists(config.path() + "/zandoli/zandoli.ini"));
}

// Every text lies inside its control and its window: a line within its
// width, wrapped lines within its height. Measured with the control's own
// font, whatever size the screen gave it. With ZANDOLI_LANG_SHOTS naming a
// folder, each window checked is also photographed there, as
// <language>-<screen>.png, for a person to look at.
void expectFits(QWidget* window, const QString& code, const QString& name) {
    const QString where = code + ' ' + name;
    if (qEnvironmentVariableIsSet("ZANDOLI_LANG_SHOTS")) {
        const QString folder = qEnvironmentVariable("ZANDOLI_LANG_SHOTS");
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
        QRect drawn;
        if (label->wordWrap()) {
            drawn =
                metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
            EXPECT_LE(drawn.height(), room.height()) << what;
        } else {
            const QSize line(metrics.horizontalAdvance(label->text()), metrics.height());
            EXPECT_LE(line.width(), room.width()) << what;
            drawn = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), line, room);
        }
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

TEST(Layout, EveryTextFitsItsControlInEveryLanguage) {
    WorkingFolder folder;
    QFile::link(ZANDOLI_RUN_DIR "/Images", folder.path() + "/Images");
    for (const QString& code : CODES) {
        Speaking speaking(code);
        {
            ScreenRegistry screens;
            screens.hideDesktop = 1;
            screens.title().setStartCaption(QCoreApplication::translate("Title", "Cancel"));
            for (Screen* screen : std::initializer_list<Screen*>{&screens.title(), &screens.setup(),
                                                                 &screens.rules()}) {
                screen->show();
                expectFits(screen->window(), code, screen->name());
            }
        }
        // Magenta's captions are the longest: a wrong card, and her win; the
        // one-player table at its largest count, likewise.
        for (const bool win : {false, true}) {
            const std::vector<int16_t> hand =
                win ? std::vector<int16_t>{24} : std::vector<int16_t>{24, 4};
            Harness<TableScreen> four(4);
            four.restore(hand, 2);
            four.spinTo(14);
            four.click(QStringLiteral("cardCaption%1").arg(win ? 0 : 1));
            expectFits(four.table.window(), code, win ? "table-won" : "table");
            Harness<OnePlayerTable> one(1);
            one.state.spins = 32766;
            one.restore(hand);
            one.spinTo(14);
            one.click(QStringLiteral("cardCaption%1").arg(win ? 0 : 1));
            expectFits(one.table.window(), code, win ? "one-player-won" : "one-player");
        }
    }
}

}  // namespace
}  // namespace zandoli::testing

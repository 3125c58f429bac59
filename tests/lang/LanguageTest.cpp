// The game in each language it speaks: numbers written as the child is
// taught to write them, cards read out in words, the choice of language,
// and every text fitting its control.
#include <QCheckBox>
#include <QDir>
#include <QStyle>
#include <QTemporaryDir>

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

// Cards by their place in the pack: 4 is the decimal 0.3, 15 the percentage
// 30, 11 the decimal 0.25, 22 the percentage 25, 0 the whole one, 33 the
// fraction 3/10, 38 the tile with 6 squares shaded, 24 the percentage 100.
TEST(NumberNotation, CardsAndCaptionsWriteAndReadNumbersAsTheLanguageTeaches) {
    struct Case {
        const char* code;
        std::vector<const char*> faces;   // 0.3, 30 %, 0.25, 25 %
        std::vector<const char*> spoken;  // 30 %, 0.25, 1, 3/10, the tile
        const char* won;
    };
    const Case cases[] = {
        {"en",
         {"0.3", "30%", "0.25", "25%"},
         {"three tenths, as a percentage: 30 percent", "one quarter, as a decimal: 0.25",
          "one whole, as a whole number: 1", "three tenths, as a fraction: 3 over 10",
          "three tenths, as a tile with 6 of 20 squares shaded"},
         "GAME WON IN 33 SPINS!"},
        {"fr",
         {"0,3", "30\u00a0%", "0,25", "25\u00a0%"},
         {"trois dixièmes, en pourcentage\u00a0: 30 pour cent",
          "un quart, en écriture décimale\u00a0: 0,25", "une unité, en nombre entier\u00a0: 1",
          "trois dixièmes, en fraction\u00a0: 3 sur 10",
          "trois dixièmes, en carreau avec 6 cases coloriées sur 20"},
         "PARTIE GAGNÉE EN 33 LANCERS\u00a0!"},
        {"es",
         {"0,3", "30\u00a0%", "0,25", "25\u00a0%"},
         {"tres décimas, como porcentaje: 30 por ciento", "un cuarto, como número decimal: 0,25",
          "una unidad, como número entero: 1", "tres décimas, como fracción: 3 sobre 10",
          "tres décimas, como cuadrícula con 6 cuadrados sombreados de 20"},
         "¡PARTIDA GANADA EN 33 GIROS!"},
        {"de",
         {"0,3", "30\u00a0%", "0,25", "25\u00a0%"},
         {"drei Zehntel, in Prozent: 30 Prozent", "ein Viertel, als Dezimalzahl: 0,25",
          "ein Ganzes, als ganze Zahl: 1", "drei Zehntel, als Bruch: Zähler 3, Nenner 10",
          "drei Zehntel, als Kachel, auf der 6 von 20 Kästchen gefärbt sind"},
         "SPIEL IN 33 DREHUNGEN GEWONNEN!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Speaking speaking(c.code);
        Harness<TableScreen> h(2);
        h.restore({4, 15, 11, 22, 0, 33, 38});
        for (size_t slot = 0; slot < c.faces.size(); ++slot) {
            EXPECT_EQ(h.w<QLabel>("cardCaption", int(slot))->text().toStdString(), c.faces[slot]);
        }
        const int readSlots[] = {1, 2, 4, 5, 6};
        for (size_t i = 0; i < c.spoken.size(); ++i) {
            EXPECT_EQ(spoken(h.w("cardFrame", readSlots[i])).toStdString(), c.spoken[i]);
        }
        // The one-player table's count and win, as the rules' golden game leaves them.
        Harness<OnePlayerTable> won(1);
        won.state.spins = 32;
        won.restore({24});
        won.spinTo(14);
        won.clickAt(QPoint(41, 320));
        EXPECT_EQ(won.text("turnCaption").toStdString(), c.won);
        EXPECT_EQ(won.text("spinCount"), "33");
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
// font, whatever size the screen gave it.
void expectFits(QWidget* window, const QString& where) {
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

// With ZANDOLI_LANG_SHOTS naming a folder, each screen checked is also
// photographed there, as <language>-<screen>.png, for a person to look at.
void photograph(QWidget* window, const QString& code, const QString& name) {
    const QString folder = qEnvironmentVariable("ZANDOLI_LANG_SHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        window->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, code, name));
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
                expectFits(screen->window(), code + ' ' + screen->name());
                photograph(screen->window(), code, screen->name());
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
            expectFits(four.table.window(), code + (win ? " win" : " wrong card"));
            photograph(four.table.window(), code,
                       win ? QStringLiteral("table-won") : QStringLiteral("table"));
            Harness<OnePlayerTable> one(1);
            one.state.spins = 32766;
            one.restore(hand);
            one.spinTo(14);
            one.click(QStringLiteral("cardCaption%1").arg(win ? 0 : 1));
            expectFits(one.table.window(), code + (win ? " one player won" : " one player"));
            if (win) {
                photograph(one.table.window(), code, QStringLiteral("one-player-won"));
            }
        }
    }
}

}  // namespace
}  // namespace zandoli::testing

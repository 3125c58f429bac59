// Draws every picture, synthesises every sound and writes the rules document
// and the about page into the folder given on the command line (the build
// folder, where the game runs). What a player reads comes in each language.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "assets/AboutPage.h"
#include "assets/PictureSet.h"
#include "assets/RulesDocument.h"
#include "assets/Sounds.h"
#include "language/Language.h"
#include "language/Numbers.h"
#include "language/RulesText.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // Painting needs a GUI application but no display: builds run headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"Images", "wav", "icons"}) {
        if (!out.mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s in %s\n", folder, argv[1]);
            return 1;
        }
    }
    zandoli::PictureSet pictures(out.filePath("Images"), out.filePath("icons"));
    bool ok = pictures.writeAll();
    ok &= zandoli::writeSounds(out.filePath("wav").toStdString());
    // The rules document and the about page in every language the game
    // speaks: "Zandoli Rules.doc" in English, "Zandoli Rules.fr.doc" in French.
    // The pictures with numbers on them likewise, but only for a language
    // that writes one half otherwise than English ("0,5", "50 %"): where the
    // game finds no picture of the language's own it shows the English one.
    const QString english = zandoli::language::available().constFirst();
    QString englishHalf;
    for (const QString& code : zandoli::language::available()) {
        zandoli::language::use(code, QLocale::c());
        const QString half =
            zandoli::numbers::decimal(0.5) + QLatin1Char(' ') + zandoli::numbers::percent(0.5);
        if (code == english) {
            englishHalf = half;
        }
        if (code == english || half != englishHalf) {
            ok &= pictures.writeNumbered(code);
        }
        const auto path = [&](const char* file) {
            return out.filePath(zandoli::language::localised(QString::fromUtf8(file), code))
                .toStdString();
        };
        ok &= zandoli::writeRulesDocument(path(zandoli::rulesText::DOCUMENT));
        ok &= zandoli::writeAboutPage(path(ZANDOLI_ABOUT_PAGE), ZANDOLI_VERSION);
    }
    return ok ? 0 : 1;
}

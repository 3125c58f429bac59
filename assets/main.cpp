// Draws every picture, synthesises every sound and writes the rules document
// and the about page into the folder given on the command line (the build
// folder, where the game runs). What a player reads comes in each language.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "assets/AboutPage.h"
#include "assets/PictureSet.h"
#include "assets/RulesDocument.h"
#include "assets/Sounds.h"
#include "language/Language.h"
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
    // speaks, for each country it writes numbers for: "Zandoli Rules.doc" in
    // English, "fr_FR/Règles de Zandoli.doc" in France, "fr_CH/..." in
    // Switzerland. The pictures with numbers on them once for each notation
    // the countries write ("opening.jpg", "opening.comma-spaced.jpg"): the
    // game shows the plain one where it finds none of the notation's own.
    QStringList notations;
    for (const QString& country : zandoli::language::countries()) {
        zandoli::language::use(country.section(QLatin1Char('_'), 0, 0), QLocale(country));
        if (!notations.contains(zandoli::language::notation())) {
            notations.append(zandoli::language::notation());
            ok &= pictures.writeNumbered();
        }
        const auto path = [&](const QString& file) {
            const QString local = zandoli::language::localised(file);
            if (!out.mkpath(QFileInfo(out.filePath(local)).path())) {
                std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(local));
            }
            return out.filePath(local).toStdString();
        };
        ok &= zandoli::writeRulesDocument(path(zandoli::rulesText::documentName()));
        ok &= zandoli::writeAboutPage(path(QStringLiteral(ZANDOLI_ABOUT_PAGE)), ZANDOLI_VERSION);
    }
    return ok ? 0 : 1;
}

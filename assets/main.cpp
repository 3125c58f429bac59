// Draws every picture, synthesises every sound and writes the rules document
// and the about page into the folder given on the command line (the build
// folder, where the game runs).

#include <QDir>
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
    bool ok = zandoli::PictureSet(out.filePath("Images"), out.filePath("icons")).writeAll();
    ok &= zandoli::writeSounds(out.filePath("wav").toStdString());
    // The rules document and the about page in every language the game
    // speaks: "Zandoli Rules.doc" in English, "Zandoli Rules.fr.doc" in French.
    for (const QString& code : zandoli::language::available()) {
        zandoli::language::use(code, QLocale::c());
        const auto path = [&](const char* file) {
            return out.filePath(zandoli::language::localised(QString::fromUtf8(file), code))
                .toStdString();
        };
        ok &= zandoli::writeRulesDocument(path(zandoli::rulesText::DOCUMENT));
        ok &= zandoli::writeAboutPage(path(ZANDOLI_ABOUT_PAGE), ZANDOLI_VERSION);
    }
    return ok ? 0 : 1;
}

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace zandoli::language {

// The languages the game speaks by their ISO 639-1 codes, English first: it
// is the language the texts are written in.
QStringList available();
// Whether the locale's language puts a no-break space before the percent
// sign ("25 %"); false for a language the game does not speak.
bool spacedPercent(const QLocale& locale);

// The language to speak: the one named by "--language xx" (which is then
// remembered for this user), else the one remembered, else the first of the
// desktop's languages the game speaks (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as Qt reads them), else English. Needs the application object.
QString choose(const QStringList& arguments);

// Speaks the language from now on: its translations are installed and
// numbers are written the way it writes them. The desktop's own locale
// (LC_NUMERIC) decides the territory when it is of the same language, so a
// Quebec or Swiss classroom writes numbers as it is taught to.
// The generator of the documents names the C locale, so what it writes does
// not depend on the machine that builds the game.
void use(const QString& code, const QLocale& desktop = QLocale::system());
QString current();
QLocale locale();

// A file of the game in the current language: "Zandoli Rules.doc" in
// English, "Zandoli Rules.fr.doc" in French.
QString localised(const QString& file);
QString localised(const QString& file, const QString& code);

}  // namespace zandoli::language

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace zandoli::language {

// The languages the game speaks by their ISO 639-1 codes, English first: it
// is the language the texts are written in.
QStringList available();
// The countries the game writes numbers for, as desktop locales ("en_US",
// "fr_FR", "fr_CH", ...), each language's own country first
// (language/languages.txt).
QStringList countries();

// The language to speak: `asked` (from "--language xx"; then remembered for
// this user) when the game speaks it, else the one remembered, else the
// first of the desktop's languages the game speaks (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them), else English. Needs the application
// object.
QString choose(const QString& asked);

// Speaks the language from now on: its translations (and Qt's own) are
// installed, and numbers are written in one notation for the whole run, that
// of one of the language's countries: the desktop's country (LC_NUMERIC) when
// the list names it, else the one of the language's countries that has the
// desktop's decimal separator, else the language's own country. A Swiss or
// Mexican classroom writes numbers as it is taught to, and the cards, the
// rules, the documents and the pictures, made for the listed countries only,
// always agree.
// The tests name the C locale, so what they read does not depend on the
// machine; the generator of the documents names each country in turn.
void use(const QString& code, const QLocale& desktop = QLocale::system());
QString current();
// The country whose notation the run writes ("de_CH"), and its locale.
QString country();
QLocale locale();
// Whether a no-break space comes before the percent sign ("25 %").
bool spacedPercent();
// The notation, as the name of the pictures that show numbers carry it:
// empty for English's own ("0.5", "50%"), "comma-spaced" for "0,5" and
// "50 %", "point" and so on for the others.
QString notation();

// A document of the game in the current language and country: the file
// itself for English in its own country ("Zandoli Rules.doc"), else the file
// in the country's folder ("fr_FR/Règles de Zandoli.doc").
QString localised(const QString& file);
// A picture with numbers on it in the current notation: "opening.jpg" in
// English's, "opening.comma-spaced.jpg" in France's.
QString notated(const QString& file);

}  // namespace zandoli::language

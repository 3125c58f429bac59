#include "language/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "language/LanguageTable.h"

namespace zandoli::language {

namespace {

const QString SETTING = QStringLiteral("language");
const QString ENGLISH = QStringLiteral("en");

// No count the game shows has a group separator ("32767 spins").
QLocale ungrouped(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

struct Spoken {
    QString code = ENGLISH;
    const LanguageEntry* country = &LANGUAGES[0];
    QLocale locale = ungrouped(QLocale(QLocale::English, QLocale::UnitedStates));
    std::unique_ptr<QTranslator> translator;
    // Qt's own words: the message boxes' buttons ("Oui", "Non") and the
    // names of keys ("Échap"), from the system's Qt translations
    // (qt6-translations-l10n). Without them those stay English.
    std::unique_ptr<QTranslator> qtTranslator;
};

Spoken& spoken() {
    static Spoken instance;
    return instance;
}

// Per user, under the desktop's configuration folder
// ($XDG_CONFIG_HOME/zandoli/zandoli.ini).
QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zandoli"),
                     QStringLiteral("zandoli"));
}

QString known(const QString& tag) {
    const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return available().contains(code.toLower()) ? code.toLower() : QString();
}

// The language's country whose notation a run on this desktop writes.
const LanguageEntry& countryFor(const QString& code, const QLocale& desktop) {
    const LanguageEntry* own = nullptr;
    const LanguageEntry* sameSeparator = nullptr;
    for (const LanguageEntry& entry : LANGUAGES) {
        if (code != QLatin1String(entry.code)) {
            continue;
        }
        const QLocale listed(QLatin1String(entry.desktopLocale));
        if (listed.territory() == desktop.territory()) {
            return entry;
        }
        if (own == nullptr) {
            own = &entry;
        }
        if (sameSeparator == nullptr && listed.language() == desktop.language() &&
            listed.decimalPoint() == desktop.decimalPoint()) {
            sameSeparator = &entry;
        }
    }
    return sameSeparator != nullptr ? *sameSeparator : *own;
}

}  // namespace

QStringList available() {
    QStringList codes;
    for (const LanguageEntry& entry : LANGUAGES) {
        if (!codes.contains(QLatin1String(entry.code))) {
            codes.append(QLatin1String(entry.code));
        }
    }
    return codes;
}

QStringList countries() {
    QStringList names;
    for (const LanguageEntry& entry : LANGUAGES) {
        names.append(QLatin1String(entry.desktopLocale));
    }
    return names;
}

QString choose(const QString& asked) {
    if (!asked.isEmpty()) {
        const QString code = known(asked);
        if (!code.isEmpty()) {
            // Written only when it changes: a write flushes the file to disk.
            if (settings().value(SETTING) != code) {
                settings().setValue(SETTING, code);
            }
            return code;
        }
        std::fprintf(stderr, "zandoli: no language \"%s\"; it speaks %s\n", qPrintable(asked),
                     qPrintable(available().join(QStringLiteral(", "))));
    }
    const QString remembered = known(settings().value(SETTING).toString());
    if (!remembered.isEmpty()) {
        return remembered;
    }
    // Qt puts the LANGUAGE list first, then the locale of the messages.
    for (const QString& tag : QLocale::system().uiLanguages()) {
        const QString code = known(tag);
        if (!code.isEmpty()) {
            return code;
        }
    }
    return ENGLISH;
}

void use(const QString& wanted, const QLocale& desktop) {
    Spoken& now = spoken();
    const QString code = available().contains(wanted) ? wanted : ENGLISH;
    for (std::unique_ptr<QTranslator>* installed : {&now.translator, &now.qtTranslator}) {
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    }
    const auto install = [](std::unique_ptr<QTranslator>& into, const QString& file) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file)) {
            QCoreApplication::installTranslator(translator.get());
            into = std::move(translator);
        }
    };
    if (code != ENGLISH) {
        install(now.translator, QStringLiteral(":/translations/zandoli_%1.qm").arg(code));
        install(now.qtTranslator, QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                      QStringLiteral("/qtbase_%1.qm").arg(code));
    }
    now.code = code;
    now.country = &countryFor(code, desktop);
    now.locale = ungrouped(QLocale(QLatin1String(now.country->desktopLocale)));
    // Any number written without a locale named follows the country too.
    QLocale::setDefault(now.locale);
}

QString current() {
    return spoken().code;
}

QString country() {
    return QLatin1String(spoken().country->desktopLocale);
}

QLocale locale() {
    return spoken().locale;
}

bool spacedPercent() {
    return spoken().country->spacedPercent;
}

QString notation() {
    const LanguageEntry& now = *spoken().country;
    const LanguageEntry& english = LANGUAGES[0];
    const QString point = QLocale(QLatin1String(now.desktopLocale)).decimalPoint();
    if (now.spacedPercent == english.spacedPercent &&
        point == QLocale(QLatin1String(english.desktopLocale)).decimalPoint()) {
        return {};
    }
    return (point == QLatin1String(".") ? QStringLiteral("point") : QStringLiteral("comma")) +
           (now.spacedPercent ? QStringLiteral("-spaced") : QString());
}

QString localised(const QString& file) {
    if (spoken().country == &LANGUAGES[0]) {
        return file;
    }
    return country() + QLatin1Char('/') + file;
}

QString notated(const QString& file) {
    const QString tag = notation();
    if (tag.isEmpty()) {
        return file;
    }
    const QFileInfo info(file);
    const QString stem = file.left(file.size() - info.suffix().size() - 1);
    return stem + QLatin1Char('.') + tag + QLatin1Char('.') + info.suffix();
}

}  // namespace zandoli::language

#include "language/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "language/LanguageTable.h"

namespace zandoli::language {

namespace {

const QString OPTION = QStringLiteral("--language");
const QString SETTING = QStringLiteral("language");
const QString ENGLISH = QStringLiteral("en");

// No count the game shows has a group separator ("32767 spins").
QLocale ungrouped(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

struct Spoken {
    QString code = ENGLISH;
    QLocale locale = ungrouped(QLocale(QLocale::English, QLocale::UnitedStates));
    std::unique_ptr<QTranslator> translator;
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

QString named(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == OPTION && i + 1 < arguments.size()) {
            return arguments[i + 1];
        }
        if (arguments[i].startsWith(OPTION + QLatin1Char('='))) {
            return arguments[i].mid(OPTION.size() + 1);
        }
    }
    return {};
}

}  // namespace

QStringList available() {
    QStringList codes;
    for (const LanguageEntry& entry : LANGUAGES) {
        codes.append(QLatin1String(entry.code));
    }
    return codes;
}

bool spacedPercent(const QLocale& locale) {
    const QString code = locale.name().section(QLatin1Char('_'), 0, 0);
    for (const LanguageEntry& entry : LANGUAGES) {
        if (code == QLatin1String(entry.code)) {
            return entry.spacedPercent;
        }
    }
    return false;
}

QString choose(const QStringList& arguments) {
    const QString asked = named(arguments);
    if (!asked.isEmpty()) {
        const QString code = known(asked);
        if (!code.isEmpty()) {
            settings().setValue(SETTING, code);
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
    if (now.translator) {
        QCoreApplication::removeTranslator(now.translator.get());
        now.translator.reset();
    }
    if (code != ENGLISH) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/translations/zandoli_%1.qm").arg(code))) {
            QCoreApplication::installTranslator(translator.get());
            now.translator = std::move(translator);
        }
    }
    now.code = code;
    now.locale =
        ungrouped(QLocale(desktop.language() == QLocale(code).language() ? desktop.name() : code));
    // Any number written without a locale named follows the language too.
    QLocale::setDefault(now.locale);
}

QString current() {
    return spoken().code;
}

QLocale locale() {
    return spoken().locale;
}

QString localised(const QString& file, const QString& code) {
    if (code == ENGLISH) {
        return file;
    }
    const QFileInfo info(file);
    const QString stem = file.left(file.size() - info.suffix().size() - 1);
    return stem + QLatin1Char('.') + code + QLatin1Char('.') + info.suffix();
}

QString localised(const QString& file) {
    return localised(file, current());
}

}  // namespace zandoli::language

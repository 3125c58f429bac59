#include "platform/Platform.h"
#include "record/Records.h"

namespace zandoli {

namespace {

const QString GROUP = QStringLiteral("names");

QString key(qsizetype seat) {
    return GROUP + QStringLiteral("/%1").arg(seat);
}

}  // namespace

// The same file as the language's choice.
QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zandoli"),
                     QStringLiteral("zandoli"));
}

void keepChoice(const QString& key, const QVariant& value) {
    QSettings settings = userSettings();
    // Read back from the file every value is text.
    if (!settings.contains(key) || settings.value(key).toString() != value.toString()) {
        settings.setValue(key, value);
    }
}

QString tidyName(const QString& name) {
    QString kept;
    for (const QChar c : name) {
        kept += c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                        c == QChar::ParagraphSeparator
                    ? QChar(u' ')
                    : c;
    }
    kept = kept.simplified();
    // Never half of a character that takes two UTF-16 units.
    qsizetype length = std::min<qsizetype>(kept.size(), MAX_NAME_LENGTH);
    if (length > 0 && length < kept.size() && kept[length - 1].isHighSurrogate()) {
        --length;
    }
    return kept.left(length).trimmed();
}

QStringList playerNames(int seats) {
    QSettings settings = userSettings();
    QStringList names;
    for (int seat = 0; seat < seats; ++seat) {
        names << tidyName(settings.value(key(seat)).toString());
    }
    return names;
}

void setPlayerNames(const QStringList& names) {
    QSettings settings = userSettings();
    for (qsizetype seat = 0; seat < names.size(); ++seat) {
        if (const QString name = tidyName(names[seat]); name.isEmpty()) {
            settings.remove(key(seat));
        } else {
            settings.setValue(key(seat), name);
        }
    }
}

}  // namespace zandoli

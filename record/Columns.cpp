#include "record/Columns.h"

#include "record/Mistakes.h"

namespace zandoli::recordColumns {

namespace {

// The happenings a tally counts by form, in the order it counts them.
constexpr std::array<Happening, 3> TALLIED = {Happening::Match, Happening::Wrong, Happening::Miss};

// The count a row adds to, as a condition on the row.
QString counted(Happening what, CardKind form) {
    return QStringLiteral("count(what = %1 AND card_form = %2 OR NULL)")
        .arg(quoted(happeningKey(what)), quoted(formKey(form)));
}

}  // namespace

QString list(Names names, const QString& prefix) {
    QStringList listed;
    for (const char* name : names) {
        listed << prefix + QString::fromUtf8(name);
    }
    return listed.join(QStringLiteral(", "));
}

QString placeholders(Names names) {
    return QStringList(static_cast<qsizetype>(names.size()), QStringLiteral("?"))
        .join(QStringLiteral(", "));
}

QString quoted(const char* word) {
    return QLatin1Char('\'') + QString::fromUtf8(word) + QLatin1Char('\'');
}

QString quoted(Names words) {
    QStringList listed;
    for (const char* word : words) {
        listed << quoted(word);
    }
    return listed.join(QStringLiteral(", "));
}

QString mistakeKeys() {
    std::array<const char*, MISTAKE_NAMES.size()> keys{};
    for (size_t i = 0; i < keys.size(); ++i) {
        keys[i] = MISTAKE_NAMES[i].key;
    }
    return quoted(keys);
}

QString formKeys() {
    return quoted(FORM_KEYS);
}

QStringList tallyCounts() {
    QStringList counts{QString::fromUtf8(SPINS)};
    for (Happening what : TALLIED) {
        for (size_t form = 0; form < FORM_KEYS.size(); ++form) {
            counts << tallyCount(what, static_cast<CardKind>(form));
        }
    }
    return counts;
}

QString tallyColumns() {
    return tallyCounts().join(QStringLiteral(", "));
}

QString tallyCount(Happening what, CardKind form) {
    return QStringLiteral("%1_%2").arg(QLatin1String(happeningKey(what)),
                                       QLatin1String(formKey(form)));
}

QString tallyOf(const QString& where) {
    QStringList sums{
        QStringLiteral("count(what = %1 OR NULL)").arg(quoted(happeningKey(Happening::Spin)))};
    for (Happening what : TALLIED) {
        for (size_t form = 0; form < FORM_KEYS.size(); ++form) {
            sums << counted(what, static_cast<CardKind>(form));
        }
    }
    return QStringLiteral(
               "INSERT OR REPLACE INTO tally (game, colour, %1) SELECT game, colour, %2 FROM event "
               "WHERE %3 GROUP BY game, colour")
        .arg(tallyColumns(), sums.join(QStringLiteral(", ")), where);
}

}  // namespace zandoli::recordColumns

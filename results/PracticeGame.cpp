#include "results/PracticeGame.h"

#include <QList>
#include <QLocale>
#include <QStringList>
#include <optional>

#include "engine/Practice.h"
#include "record/ConfusionReader.h"
#include "record/RecordStore.h"

namespace zandoli {

namespace {

// The deck as the lines "pack ..." and "spinner ...".
QString deckLines(const Deck& deck) {
    QStringList pack;
    for (const int16_t card : deck.cards) {
        pack << QString::number(card);
    }
    QStringList spinner;
    for (const double value : deck.spinner) {
        spinner << QString::number(value, 'g', QLocale::FloatingPointShortest);
    }
    return QStringLiteral("pack %1\nspinner %2\n")
        .arg(pack.join(QLatin1Char(' ')), spinner.join(QLatin1Char(' ')));
}

// The deck of the lines "pack ..." and "spinner ...", or none unless the
// pack is 48 cards of the catalogue and the spinner 16 numbers.
std::optional<Deck> deckOf(const QStringList& pack, const QStringList& spinner) {
    if (pack.size() != PACK_SIZE || spinner.size() != SPIN_POSITIONS) {
        return std::nullopt;
    }
    Deck deck;
    bool ok = true;
    for (qsizetype i = 0; i < pack.size() && ok; ++i) {
        deck.cards[static_cast<size_t>(i)] = static_cast<int16_t>(pack[i].toShort(&ok));
        ok = ok && isCard(deck.cards[static_cast<size_t>(i)]);
    }
    for (qsizetype i = 0; i < spinner.size() && ok; ++i) {
        deck.spinner[static_cast<size_t>(i)] = spinner[i].toDouble(&ok);
    }
    return ok ? std::optional(deck) : std::nullopt;
}

}  // namespace

GameSettings practiceSettings(GameSettings settings, const QString& pupil, const QString& record) {
    settings.pupil = pupil.toStdString();
    const auto read = confusions::readConfusions(
        record.isEmpty() ? RecordStore::userPath() : record, pupil, confusions::localOffsetMs());
    const auto deck = practiceDeck(practiceItems(read.value), settings.lesson);
    settings.practice = deck.has_value();
    if (deck) {
        settings.deck = *deck;
    }
    return settings;
}

QByteArray savedPupil(const GameSettings& settings) {
    if (settings.pupil.empty()) {
        return {};
    }
    QString text = QStringLiteral("pupil %1\npractice %2\n")
                       .arg(QString::fromStdString(settings.pupil), settings.practice ? "1" : "0");
    if (settings.practice) {
        text += deckLines(settings.deck);
    }
    return text.toUtf8();
}

GameSettings readSavedPupil(GameSettings settings, const QByteArray& text) {
    QString pupil;
    bool practice = false;
    QStringList pack;
    QStringList spinner;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (key == QLatin1String("pupil")) {
            pupil = rest.trimmed();
        } else if (key == QLatin1String("practice")) {
            practice = rest.trimmed() == QLatin1String("1");
        } else if (key == QLatin1String("pack")) {
            pack = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (key == QLatin1String("spinner")) {
            spinner = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        }
    }
    if (pupil.isEmpty()) {
        return settings;
    }
    settings.pupil = pupil.toStdString();
    const std::optional<Deck> deck = practice ? deckOf(pack, spinner) : std::nullopt;
    settings.practice = deck.has_value();
    if (deck) {
        settings.deck = *deck;
    }
    return settings;
}

}  // namespace zandoli

#include "record/SavedFold.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string_view>

namespace zandoli::confusions {

QString savedFoldsFolder(const QString& record) {
    const QFileInfo file(record);
    return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
           QStringLiteral(".confusions");
}

QString savedFoldPath(const QString& record, const QString& pupil, int64_t offsetMs) {
    const QByteArray key = (pupil + QLatin1Char('\n') + QString::number(offsetMs)).toUtf8();
    return savedFoldsFolder(record) + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex());
}

sql::Reading<SavedFold> recordBefore(const QSqlDatabase& db, const QString& pupil, const Cut& cut,
                                     qint64 lastEvent) {
    const auto before = sql::rows(
        db,
        QStringLiteral(
            "SELECT count(*), ifnull(sum(s.game), 0), ifnull(max(EXISTS (SELECT 1 FROM event e "
            "WHERE e.game = s.game AND e.id > ?)), 0), (SELECT uid FROM game WHERE id = ? AND "
            "started_ms = ?) FROM seat s CROSS JOIN game g WHERE s.name = ? AND g.id = s.game "
            "AND (g.started_ms, g.id) < (?, ?)"),
        {lastEvent, cut.game, cut.startedMs, pupil, cut.startedMs, cut.game});
    if (before.failed() || before.value.empty()) {
        return {.error = before.error};
    }
    const QVariantList& row = before.value.front();
    return {.value = {.cut = cut,
                      .uid = row[3].toString(),
                      .seats = row[0].toLongLong(),
                      .seatGames = row[2].toLongLong() != 0 ? -1 : row[1].toLongLong(),
                      .lastEvent = lastEvent}};
}

std::optional<std::pair<SavedFold, ConfusionFold>> readSavedFold(const QString& path,
                                                                 int64_t offsetMs) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray text = file.readAll();
    const qsizetype header = text.indexOf("\nconfusions ");
    const QList<QByteArray> lines = text.left(header).split('\n');
    if (header < 0 || lines.size() != 4) {
        return std::nullopt;
    }
    const QList<QByteArray> cut = lines[0].split(' ');
    const QList<QByteArray> seats = lines[1].split(' ');
    const QList<QByteArray> events = lines[2].split(' ');
    QList<QByteArray> shown = lines[3].split(' ');
    if (cut.size() != 5 || cut[0] != "cut" || seats.size() != 3 || seats[0] != "seats" ||
        events.size() != 2 || events[0] != "events" || shown.takeFirst() != "shown") {
        return std::nullopt;
    }
    SavedFold saved{.cut = {cut[1].toLongLong(), cut[2].toLongLong(), cut[3].toLongLong()},
                    .uid = QString::fromLatin1(cut[4]),
                    .seats = seats[1].toLongLong(),
                    .seatGames = seats[2].toLongLong(),
                    .lastEvent = events[1].toLongLong()};
    for (const QByteArray& value : shown) {
        bool ok = false;
        saved.shown.push_back(value.toDouble(&ok));
        if (!ok) {
            return std::nullopt;
        }
    }
    auto fold = ConfusionFold::restored(
        std::string_view(text).substr(static_cast<size_t>(header) + 1), offsetMs);
    if (!fold) {
        return std::nullopt;
    }
    return std::pair(std::move(saved), std::move(*fold));
}

void writeSavedFold(const QString& path, const SavedFold& saved, const ConfusionFold& fold) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    QString header = QStringLiteral("cut %1 %2 %3 %4\nseats %5 %6\nevents %7\nshown")
                         .arg(saved.cut.startedMs)
                         .arg(saved.cut.game)
                         .arg(saved.cut.id)
                         .arg(saved.uid)
                         .arg(saved.seats)
                         .arg(saved.seatGames)
                         .arg(saved.lastEvent);
    for (const double value : saved.shown) {
        header += QLatin1Char(' ') + QString::number(value, 'g', 17);
    }
    header += QLatin1Char('\n');
    file.write(header.toLatin1() + QByteArray::fromStdString(fold.saved()));
    file.commit();
}

}  // namespace zandoli::confusions

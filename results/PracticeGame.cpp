#include "results/PracticeGame.h"

#include "engine/Practice.h"
#include "record/ConfusionReader.h"
#include "record/RecordStore.h"

namespace zandoli {

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

}  // namespace zandoli

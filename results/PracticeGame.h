#pragma once

#include <QByteArray>
#include <QString>

#include "engine/Referee.h"

namespace zandoli {

// The settings of a one-player game for `pupil`, from `settings` (the
// lesson's): dealt from the pupil's open confusions in the record at
// `record` (empty: the user's), or the lesson's own deck, marked as no
// practice, when the pupil has none within the lesson or the record cannot
// be read.
GameSettings practiceSettings(GameSettings settings, const QString& pupil,
                              const QString& record = {});

// What a saved game played for a pupil keeps beside the save, whose format
// has no room for it: the pupil's name, whether the deck was dealt from the
// pupil's confusions and then the deck, a line each ("pupil Ana",
// "practice 1", "pack 42 4 ...", "spinner 0.3 -1 ..."). Empty for a game
// played for no pupil.
QByteArray savedPupil(const GameSettings& settings);

// `settings` (the lesson's) with the pupil, practice and deck `text` keeps;
// unchanged when it names no pupil, and without the deck (as no practice)
// when its deck is not a whole pack of cards and a spinner.
GameSettings readSavedPupil(GameSettings settings, const QByteArray& text);

}  // namespace zandoli

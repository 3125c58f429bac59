#pragma once

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

}  // namespace zandoli

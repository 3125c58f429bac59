#pragma once

#include <QString>

#include "engine/Captions.h"

namespace zandoli {

// The turn caption the rules chose, in words: "Blue to Play", "TURN OVER",
// "BLUE HAS WON!!!", "GAME WON IN 12 SPINS!".
QString captionText(const Caption& caption);

}  // namespace zandoli

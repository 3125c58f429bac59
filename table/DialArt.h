#pragma once

#include <QPixmap>
#include <optional>
#include <string>

#include "engine/Deck.h"

// The pictures of the spinner a game is played with. The build drew the
// standard spinner's, and the table shows those files; a lesson's spinner
// has none, so its dial is painted while the game runs, at the size it
// shows at (the run's scale times the display's device pixel ratio), as
// sharp as the built art. Its close-ups are the standard spinner's: every
// value it shows is on the standard spinner too.
namespace zandoli::dialArt {

// Whether the build drew the pictures of this spinner: the standard one.
bool drawnAtBuild(const SpinnerValues& spinner);

// The dial of `spinner` with the pointer at `pointer` and that segment lit,
// or at rest, pointing at position 0 with nothing lit, for none. The wheel
// is painted once for a spinner and scale and kept (one wheel, for the
// spinner last asked for); a step paints only the lit segment, the pointer
// and its hub over a copy, in a few milliseconds at full screen.
QPixmap dial(const SpinnerValues& spinner, std::optional<int> pointer);

// The game's name for the close-up of `pointer` on `spinner`: the built
// close-up of that position when the standard spinner shows the same there,
// else that of the standard spinner's first position of the same value
// ("Images\zandolic10.jpg" for a quarter); the empty close-up at rest.
std::string closeup(const SpinnerValues& spinner, std::optional<int> pointer);

}  // namespace zandoli::dialArt

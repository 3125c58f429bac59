// The way through the screens as a transcript (screens.txt): title, set-up,
// rules, a table and back, the results, the names, the lesson and full
// screen, with the screens open, the clicks heard, the questions asked, the
// saves written and the pages opened after each step.
#include "tests/screens/ScreensProgram.h"
#include "tests/support/Transcript.h"

namespace zandoli {
namespace {

// The way through the screens.
[[maybe_unused]] const bool screensRegistered =
    testing::registerTranscript<Program>(ZANDOLI_TRANSCRIPTS "/screens.txt");

}  // namespace
}  // namespace zandoli

#pragma once

namespace zandoli {

// The table's sounds, named as the game names its files: relative to the
// working folder, with a backslash. The screen maps them to real paths.
inline constexpr const char* SOUND_SHUFFLE = "wav\\shuffle4.wav";
inline constexpr const char* SOUND_SPIN = "wav\\wheel4.wav";
inline constexpr const char* SOUND_SPIN_END = "wav\\key.wav";
inline constexpr const char* SOUND_DISCARD = "wav\\dealcard.wav";
inline constexpr const char* SOUND_WRONG = "wav\\boink.wav";
inline constexpr const char* SOUND_DRAW = "wav\\stapler.wav";
inline constexpr const char* SOUND_HANDOVER = "wav\\scrape.wav";
inline constexpr const char* SOUND_WIN = "wav\\fanf3.wav";
inline constexpr const char* SOUND_CLICK = "wav\\click.wav";

}  // namespace zandoli

#pragma once

#include <cstdint>
#include <string>

#include "engine/TableView.h"

// The files the table shows and plays, by the game's names for them:
// relative to the working folder, with a backslash. The screen maps them to
// real paths; the asset generator writes them.
namespace zandoli::look {

inline constexpr const char* DIAL_AT_REST = "Images\\wdial.jpg";
inline constexpr const char* CLOSEUP_AT_REST = "Images\\wblank.jpg";

// "Images\zandolit07.jpg" and "Images\zandolic07.jpg" for position 7.
std::string dialPicture(int position);
std::string closeupPicture(int position);
// "Images\wsq6.jpg" for a tile with 6 of its 20 squares shaded; empty for a
// card that is no tile.
std::string tilePicture(int16_t card);
// The same picture by its count of shaded squares, 1 to 20: the tile a card
// of that value shows.
std::string tilePictureOf(int shaded);

// The sound of a moment, "wav\key.wav"; null for a moment heard as nothing.
const char* momentSound(Moment moment);
// The click of the screens' own buttons.
inline constexpr const char* SOUND_CLICK = "wav\\click.wav";

}  // namespace zandoli::look

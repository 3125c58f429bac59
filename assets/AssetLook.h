#pragma once

#include <QColor>
#include <QSize>

#include "look/Colours.h"

// Every colour and size the generated art shares. The shaded and unshaded
// colours are also what the asset tests measure, so a shape is only ever
// painted in these two colours plus its outline.
namespace zandoli::look {

// The table the dial sits on.
inline const QColor TABLE = TABLE_BACKGROUND.to<QColor>();

// Area models: a dark shade against a near-white, so the share reads by
// lightness alone, without colour vision.
inline const QColor SHADED{98, 40, 150};
inline const QColor UNSHADED{250, 246, 230};
inline const QColor OUTLINE{28, 24, 40};

// Dial segments alternate two soft tints; the lit segment glows.
inline const QColor SEGMENT_A{150, 214, 196};
inline const QColor SEGMENT_B{168, 200, 236};
inline const QColor SEGMENT_LIT{255, 222, 74};
inline const QColor RED_FIELD{206, 38, 48};
inline const QColor BLUE_FIELD{28, 92, 206};
inline const QColor STAR_FILL{255, 236, 120};
inline const QColor STAR_MARK{60, 20, 24};
inline const QColor BRASS_LIGHT{255, 226, 140};
inline const QColor BRASS{214, 160, 52};
inline const QColor BRASS_DARK{122, 82, 18};
inline const QColor POINTER{226, 30, 44};
inline const QColor POINTER_DARK{130, 10, 20};

// The close-up's plate, between its brass bezel and the shape.
inline const QColor PLATE{184, 222, 236};

// Tiles sit on a black card frame.
inline const QColor TILE_BACK{0, 0, 0};
inline const QColor TILE_RIM{210, 210, 220};

inline constexpr int JPEG_QUALITY = 95;

// Logical sizes; every picture is also written at twice this size.
inline constexpr QSize DIAL_SIZE{400, 400};
inline constexpr QSize CLOSEUP_SIZE{160, 160};
inline constexpr QSize TILE_SIZE{80, 120};
inline constexpr QSize OPENING_SIZE{320, 240};
inline constexpr QSize LOGO_SIZE{100, 139};
inline constexpr int ICON_SIZES[] = {16, 32, 48, 64, 128, 256};

// Tile grid: 4 across, 5 down, square cells.
inline constexpr int TILE_COLUMNS = 4;
inline constexpr int TILE_ROWS = 5;
inline constexpr int TILE_SQUARES = TILE_COLUMNS * TILE_ROWS;

inline constexpr const char* ROUNDED_FACE = "Quicksand";
inline constexpr const char* CARD_FACE = "Liberation Sans";

}  // namespace zandoli::look

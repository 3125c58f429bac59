#pragma once

namespace zandoli {

// The table is laid out in twips: 15 twips to a pixel, 15360 x 11520 in all.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int SLOT_WIDTH = 1575;
inline constexpr int SLOT_HEIGHT = 2055;

// Slot i of the hand: column i mod 4, row i div 4.
constexpr TwipRect slotFrame(int slot) {
    return {600 + 1920 * (slot % 4), 2760 + 2400 * (slot / 4), SLOT_WIDTH, SLOT_HEIGHT};
}

// The small card that stands for the rest of the pack.
inline constexpr TwipRect PACK_FRAME{3720, 960, 1095, 1455};

// Strictly inside: a press on the edge itself is outside.
constexpr bool strictlyInside(const TwipRect& r, double x, double y) {
    return r.left < x && x < r.left + r.width && r.top < y && y < r.top + r.height;
}

}  // namespace zandoli

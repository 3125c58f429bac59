#pragma once

#include <algorithm>
#include <initializer_list>

namespace zandoli::look {

// Every place on the table, in twips: 15 twips to a pixel, 15360 x 11520 in
// all. The table builds its controls at these places and hit-tests a press
// on the table itself against the same frames, so the two never disagree.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// The corner from which a control sizes itself to its text, growing right
// and down.
struct TwipCorner {
    int left;
    int top;
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

// The parts of a card, from the top-left corner of its frame. A text line
// starts at CARD_TEXT_LEFT whatever its width; its top depends on the face.
inline constexpr int CARD_TEXT_LEFT = 30;
inline constexpr int CARD_HIGH_TEXT_TOP = 120;    // the "1" and a numerator
inline constexpr int CARD_LOW_TEXT_TOP = 600;     // decimals and percentages, mid-card
inline constexpr int CARD_LOADED_TEXT_TOP = 240;  // where a caption waits before its first face
inline constexpr int CARD_SECOND_LINE_TOP = 1080;
inline constexpr TwipRect CARD_BAR{360, 960, 855, 105};
// A tile picture; the box keeps this size when a picture cannot be read.
inline constexpr TwipRect CARD_PICTURE{180, 120, 1200, 1800};

// The controls around the hand.
inline constexpr TwipCorner TITLE_CORNER{9060, 0};
inline constexpr TwipCorner CAPTION_CORNER{2280, 0};
inline constexpr TwipRect DIAL_RECT{8760, 3600, 6000, 6000};
inline constexpr TwipRect CLOSEUP_RECT{10560, 960, 2400, 2400};
inline constexpr TwipRect SPIN_RECT{9180, 9840, 5175, 795};
inline constexpr TwipRect EXIT_RECT{13560, 10920, 1695, 495};
inline constexpr TwipRect NEWGAME_RECT{120, 10920, 2055, 495};
inline constexpr TwipRect RULES_RECT{11160, 10920, 2055, 495};
inline constexpr TwipRect NOTICE_RECT{2280, 11250, 8760, 240};
// Shown once a game is won, in the middle of the emptied hand.
inline constexpr TwipRect RESULTS_RECT{1560, 5790, 5655, 795};

// Where the two tables differ: the one-player table moves the wrong-card
// message a little right and Next Player down, out of the way of its spin
// count, which stands beside its caption.
inline constexpr TwipRect MESSAGE_RECT{2280, 10800, 8760, 360};
inline constexpr TwipRect ONE_PLAYER_MESSAGE_RECT{2400, 10800, 8760, 360};
inline constexpr TwipRect NEXTPLAYER_RECT{2520, 9840, 3615, 795};
inline constexpr TwipRect ONE_PLAYER_NEXTPLAYER_RECT{2520, 10560, 3615, 795};
inline constexpr TwipRect SPINS_CAPTION_RECT{1560, 9840, 4575, 855};
inline constexpr TwipRect SPINCOUNT_RECT{6240, 9720, 1575, 915};

// Every place is a whole number of pixels: a figure between two pixels is
// cut to the one below, so a control would stand where no one put it, and a
// slip of a few twips would pass unseen.
constexpr bool onPixels(std::initializer_list<int> figures) {
    return std::ranges::all_of(figures, [](int figure) { return figure % 15 == 0; });
}
constexpr bool onPixels(const TwipRect& r) {
    return onPixels({r.left, r.top, r.width, r.height});
}
static_assert(std::ranges::all_of(
    std::initializer_list<TwipRect>{slotFrame(0), slotFrame(11), PACK_FRAME, CARD_BAR, CARD_PICTURE,
                                    DIAL_RECT, CLOSEUP_RECT, SPIN_RECT, EXIT_RECT, NEWGAME_RECT,
                                    RULES_RECT, NOTICE_RECT, RESULTS_RECT, MESSAGE_RECT,
                                    ONE_PLAYER_MESSAGE_RECT, NEXTPLAYER_RECT,
                                    ONE_PLAYER_NEXTPLAYER_RECT, SPINS_CAPTION_RECT, SPINCOUNT_RECT},
    [](const TwipRect& r) { return onPixels(r); }));
static_assert(onPixels({CARD_TEXT_LEFT, CARD_HIGH_TEXT_TOP, CARD_LOW_TEXT_TOP, CARD_LOADED_TEXT_TOP,
                        CARD_SECOND_LINE_TOP, TITLE_CORNER.left, TITLE_CORNER.top,
                        CAPTION_CORNER.left, CAPTION_CORNER.top}));

}  // namespace zandoli::look

#include "tests/support/RecordingView.h"

#include <algorithm>

namespace zandoli::testing {

void RecordingView::hideSlot(int slot) {
    slots.at(slot).visible = false;
}

void RecordingView::drawFace(int slot, int card) {
    slots.at(slot).visible = true;
    slots.at(slot).card = card;
}

void RecordingView::setTurnCaption(const Caption& shown) {
    static const std::array<const char*, 4> names = {"BLUE", "YELLOW", "MAGENTA", "GREEN"};
    static const std::array<const char*, 4> toPlay = {"Blue to Play", "Yellow to Play",
                                                      "Magenta to Play", "Green to Play"};
    caption = shown;
    const auto player = static_cast<size_t>(std::clamp(shown.colour, 0, 3));
    switch (shown.kind) {
        case CaptionKind::ToPlay:
            turnCaption = toPlay[player];
            break;
        case CaptionKind::TurnOver:
            turnCaption = "TURN OVER";
            break;
        case CaptionKind::Won:
            turnCaption = std::string(names[player]) + " HAS WON!!!";
            break;
        case CaptionKind::WonInSpins:
            turnCaption = "GAME WON IN " + std::to_string(shown.spins) + " SPINS!";
            break;
    }
}

void RecordingView::setSpinCount(std::optional<int> spins) {
    spinCount = spins ? std::to_string(*spins) : std::string();
}

void RecordingView::showNextPlayer(bool visible) {
    nextPlayerVisible = visible;
    nextPlayerTouched = true;
}

void RecordingView::enableNextPlayer(bool enabled) {
    nextPlayerEnabled = enabled;
    nextPlayerTouched = true;
}

std::vector<int> RecordingView::shownFaces() const {
    std::vector<int> faces;
    for (const Slot& s : slots) {
        if (s.visible) {
            faces.push_back(s.card);
        }
    }
    return faces;
}

int RecordingView::visibleSlots() const {
    return static_cast<int>(shownFaces().size());
}

}  // namespace zandoli::testing

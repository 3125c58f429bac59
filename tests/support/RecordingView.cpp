#include "tests/support/RecordingView.h"

namespace zandoli::testing {

void RecordingView::hideSlot(int slot) {
    slots.at(slot).visible = false;
}

void RecordingView::drawFace(int slot, int card) {
    slots.at(slot).visible = true;
    slots.at(slot).card = card;
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

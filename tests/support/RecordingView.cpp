#include "RecordingView.h"

namespace zandoli::testing {

void RecordingView::hideslot(int slot) {
    slots.at(slot).visible = false;
}

void RecordingView::drawface(int slot, int card) {
    slots.at(slot).visible = true;
    slots.at(slot).card = card;
}

void RecordingView::shownextplayer(bool visible) {
    nextplayervisible = visible;
    nextplayertouched = true;
}

void RecordingView::enablenextplayer(bool enabled) {
    nextplayerenabled = enabled;
    nextplayertouched = true;
}

std::vector<int> RecordingView::shownfaces() const {
    std::vector<int> faces;
    for (const Slot& s : slots) {
        if (s.visible) {
            faces.push_back(s.card);
        }
    }
    return faces;
}

int RecordingView::visibleslots() const {
    return static_cast<int>(shownfaces().size());
}

}  // namespace zandoli::testing

#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/TableView.h"

namespace zandoli::testing {

// The caption in the English words of the screen.
inline std::string captionWords(const Caption& shown) {
    static const std::array<std::string, PLAYING_COLOURS> names = {"Blue", "Yellow", "Magenta",
                                                                   "Green"};
    const std::string& name = names.at(static_cast<size_t>(shown.colour));
    std::string upper = name;
    std::transform(name.begin(), name.end(), upper.begin(), ::toupper);
    switch (shown.kind) {
        case CaptionKind::ToPlay:
            return name + " to Play";
        case CaptionKind::TurnOver:
            return "TURN OVER";
        case CaptionKind::Won:
            return upper + " HAS WON!!!";
        case CaptionKind::WonInSpins:
            break;
    }
    return "GAME WON IN " + std::to_string(shown.spins) + " SPINS!";
}

// A table screen that only remembers what it was shown and told, and passes
// it on to `also` when set. It starts as a freshly loaded table: the title
// showing, Spin lit, all else hidden.
class RecordingView : public TableView {
public:
    void show(const TableState& shown) override {
        state = shown;
        if (also != nullptr) {
            also->show(shown);
        }
    }
    void happened(const TableEvent& event) override {
        events.push_back(event);
        if (also != nullptr) {
            also->happened(event);
        }
    }

    // The cards whose faces show, in slot order.
    std::vector<int> shownFaces() const {
        std::vector<int> faces;
        for (int16_t card : state.faces) {
            if (card != NO_CARD) {
                faces.push_back(card);
            }
        }
        return faces;
    }

    TableState state;
    std::vector<TableEvent> events;
    TableView* also = nullptr;
};

}  // namespace zandoli::testing

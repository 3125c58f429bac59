#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/Spinner.h"
#include "engine/TableView.h"

namespace zandoli::testing {

// A table screen that only remembers what it shows. It starts as a freshly
// loaded table: the title showing; slots, turn caption, message, pack card
// and Next Player hidden, Next Player disabled, Spin enabled, the dial at rest.
class RecordingView : public TableView {
public:
    struct Slot {
        bool visible = false;
        int card = -1;  // the last face drawn; hiding keeps it, as a screen does
    };

    void hideSlot(int slot) override { slots.at(slot).visible = false; }
    void drawFace(int slot, int card) override { slots.at(slot) = {true, card}; }
    void applyColourScheme(int colour) override { colourScheme = colour; }

    // The caption in the English words of the screen.
    void setTurnCaption(const Caption& shown) override {
        static const std::array<std::string, 4> names = {"Blue", "Yellow", "Magenta", "Green"};
        const std::string& name = names.at(static_cast<size_t>(shown.colour));
        std::string upper = name;
        std::transform(name.begin(), name.end(), upper.begin(), ::toupper);
        turnCaption = shown.kind == CaptionKind::ToPlay     ? name + " to Play"
                      : shown.kind == CaptionKind::TurnOver ? "TURN OVER"
                      : shown.kind == CaptionKind::Won
                          ? upper + " HAS WON!!!"
                          : "GAME WON IN " + std::to_string(shown.spins) + " SPINS!";
    }
    void setTurnCaptionColour(Rgb colour) override { turnCaptionColour = colour; }
    void setTurnCaptionSize(int points) override { turnCaptionSize = points; }
    void showTurnCaption(bool visible) override { turnCaptionVisible = visible; }
    void showTitle(bool visible) override { titleVisible = visible; }
    void showMessage(bool visible) override { messageVisible = visible; }
    void showPack(bool visible) override { packVisible = visible; }
    void showNextPlayer(bool visible) override { nextPlayerVisible = visible; }
    void enableNextPlayer(bool enabled) override { nextPlayerEnabled = enabled; }
    void enableSpin(bool enabled) override { spinEnabled = enabled; }
    void setSpinCount(std::optional<int> spins) override {
        spinCount = spins ? std::to_string(*spins) : std::string();
    }

    void setDial(const std::string& picture) override { dial = picture; }
    void setCloseup(const std::string& picture) override { closeup = picture; }

    void playWav(const std::string& name) override { sounds.push_back(name); }

    void exitTable(bool save) override { exits.push_back(save); }
    void showRules() override { ++rules; }

    // The cards whose faces show, in slot order.
    std::vector<int> shownFaces() const {
        std::vector<int> faces;
        for (const Slot& s : slots) {
            if (s.visible) {
                faces.push_back(s.card);
            }
        }
        return faces;
    }
    int visibleSlots() const { return static_cast<int>(shownFaces().size()); }

    std::array<Slot, 12> slots{};
    int colourScheme = -1;
    std::string turnCaption;
    Rgb turnCaptionColour{};
    int turnCaptionSize = 36;
    bool turnCaptionVisible = false;
    bool titleVisible = true;
    bool messageVisible = false;
    bool packVisible = false;
    bool nextPlayerVisible = false;
    bool nextPlayerEnabled = false;
    bool spinEnabled = true;
    std::string spinCount;  // as the box shows it: the count, or empty
    std::string dial = DIAL_AT_REST;
    std::string closeup = CLOSEUP_AT_REST;
    std::vector<std::string> sounds;
    std::vector<bool> exits;
    int rules = 0;
};

}  // namespace zandoli::testing

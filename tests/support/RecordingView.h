#pragma once

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

    void hideSlot(int slot) override;
    void drawFace(int slot, int card) override;
    void applyColourScheme(int colour) override { colourScheme = colour; }

    void setTurnCaption(const Caption& caption) override;
    void setTurnCaptionColour(Rgb colour) override { turnCaptionColour = colour; }
    void setTurnCaptionSize(int points) override { turnCaptionSize = points; }
    void showTurnCaption(bool visible) override { turnCaptionVisible = visible; }
    void showTitle(bool visible) override { titleVisible = visible; }
    void showMessage(bool visible) override { messageVisible = visible; }
    void showPack(bool visible) override { packVisible = visible; }
    void showNextPlayer(bool visible) override;
    void enableNextPlayer(bool enabled) override;
    void enableSpin(bool enabled) override { spinEnabled = enabled; }
    void setSpinCount(std::optional<int> spins) override;

    void setDial(const std::string& picture) override { dial = picture; }
    void setCloseup(const std::string& picture) override { closeup = picture; }

    void playWav(const std::string& name) override { sounds.push_back(name); }

    void exitTable(bool save) override { exits.push_back(save); }
    void showRules() override { ++rules; }

    // The cards whose faces show, slot by slot (NO_CARD-free, in slot order).
    std::vector<int> shownFaces() const;
    int visibleSlots() const;

    std::array<Slot, 12> slots{};
    int colourScheme = -1;
    // The caption the rules chose, and in the English words of the screen.
    Caption caption{};
    std::string turnCaption;
    Rgb turnCaptionColour{};
    int turnCaptionSize = 36;
    bool turnCaptionVisible = false;
    bool titleVisible = true;
    bool messageVisible = false;
    bool packVisible = false;
    bool nextPlayerVisible = false;
    bool nextPlayerEnabled = false;
    // Whether the Next Player button was ever shown or switched: the
    // one-player table must never touch it.
    bool nextPlayerTouched = false;
    bool spinEnabled = true;
    std::string spinCount;  // as the box shows it: the count, or empty
    std::string dial = DIAL_AT_REST;
    std::string closeup = CLOSEUP_AT_REST;
    std::vector<std::string> sounds;
    std::vector<bool> exits;
    int rules = 0;
};

}  // namespace zandoli::testing

#pragma once

#include <array>
#include <string>
#include <vector>

#include "Spinner.h"
#include "TableView.h"

namespace zandoli::testing {

// A table screen that only remembers what it shows. It starts as a freshly
// loaded table: slots, turn caption, message, pack card and Next Player
// hidden, Next Player disabled, Spin enabled, the dial at rest.
class RecordingView : public TableView {
public:
    struct Slot {
        bool visible = false;
        int card = -1;  // the last face drawn; hiding keeps it, as a screen does
    };

    void hideslot(int slot) override;
    void drawface(int slot, int card) override;
    void applycolourscheme(int colour) override { colourscheme = colour; }

    void setturncaption(const std::string& text) override { turncaption = text; }
    void setturncaptioncolour(Rgb colour) override { turncaptioncolour = colour; }
    void setturncaptionsize(int points) override { turncaptionsize = points; }
    void showturncaption(bool visible) override { turncaptionvisible = visible; }
    void showmessage(bool visible) override { messagevisible = visible; }
    void showpack(bool visible) override { packvisible = visible; }
    void shownextplayer(bool visible) override;
    void enablenextplayer(bool enabled) override;
    void enablespin(bool enabled) override { spinenabled = enabled; }
    void setspincount(const std::string& text) override { spincount = text; }

    void setdial(const std::string& picture) override { dial = picture; }
    void setcloseup(const std::string& picture) override { closeup = picture; }

    void playwav(const std::string& name) override { sounds.push_back(name); }

    void exittable(bool save) override { exits.push_back(save); }
    void showrules() override { ++rules; }

    // The cards whose faces show, slot by slot (NO_CARD-free, in slot order).
    std::vector<int> shownfaces() const;
    int visibleslots() const;

    std::array<Slot, 12> slots{};
    int colourscheme = -1;
    std::string turncaption;
    Rgb turncaptioncolour{};
    int turncaptionsize = 36;
    bool turncaptionvisible = false;
    bool messagevisible = false;
    bool packvisible = false;
    bool nextplayervisible = false;
    bool nextplayerenabled = false;
    // Whether the Next Player button was ever shown or switched: the
    // one-player table must never touch it.
    bool nextplayertouched = false;
    bool spinenabled = true;
    std::string spincount;
    std::string dial = DIAL_AT_REST;
    std::string closeup = CLOSEUP_AT_REST;
    std::vector<std::string> sounds;
    std::vector<bool> exits;
    int rules = 0;
};

}  // namespace zandoli::testing

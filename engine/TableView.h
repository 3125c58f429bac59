#pragma once

#include <optional>
#include <string>

#include "engine/Captions.h"
#include "engine/Colours.h"

namespace zandoli {

// The table's four small buttons.
enum class TableButton { Exit, NewGame, NextPlayer, Rules };

// Everything the rules ask of a table screen. The Qt table implements it;
// tests implement it with a recording fake. Slots are 0..11.
class TableView {
public:
    virtual ~TableView() = default;

    // Hides the frame, caption, second line, fraction bar and picture of a slot.
    virtual void hideSlot(int slot) = 0;
    // Draws the face of a card in a slot and shows it. A tile card also turns
    // its frame black with a border in the player colour.
    virtual void drawFace(int slot, int card) = 0;
    // The colour scheme of a player: title, Spin button text, the four buttons'
    // texts, the pack card, every slot's frame and text colours (and, at the
    // one-player table, the spin-count caption and box).
    virtual void applyColourScheme(int colour) = 0;

    virtual void setTurnCaption(const Caption& caption) = 0;
    virtual void setTurnCaptionColour(Rgb colour) = 0;
    virtual void setTurnCaptionSize(int points) = 0;  // one-player win caption only
    virtual void showTurnCaption(bool visible) = 0;
    // The table's "Zandoli?" title, which a win caption would run into.
    virtual void showTitle(bool visible) = 0;
    // "YOU HAVE MADE AN INCORRECT CHOICE"
    virtual void showMessage(bool visible) = 0;
    virtual void showPack(bool visible) = 0;
    virtual void showNextPlayer(bool visible) = 0;
    virtual void enableNextPlayer(bool enabled) = 0;
    virtual void enableSpin(bool enabled) = 0;
    // The one-player count box: a count of spins, or empty.
    virtual void setSpinCount(std::optional<int> spins) = 0;

    // Pictures by the game's names for them, "Images\zandolit03.jpg".
    virtual void setDial(const std::string& picture) = 0;
    virtual void setCloseup(const std::string& picture) = 0;

    // Sounds by the game's names for them, "wav\key.wav"; called only when sound is on.
    virtual void playWav(const std::string& name) = 0;

    // Exit was accepted: save the game when asked to, then leave the table.
    virtual void exitTable(bool save) = 0;
    // The Rules was accepted: lay the rules screen over the table.
    virtual void showRules() = 0;
};

}  // namespace zandoli

#include <algorithm>

#include "engine/Cards.h"
#include "look/Colours.h"
#include "look/TableArt.h"

namespace zandoli::look {

namespace {

std::string positionPicture(const char* stem, int position) {
    std::string name = stem;
    if (position < 10) {
        name += '0';
    }
    return name + std::to_string(position) + ".jpg";
}

}  // namespace

const Player& player(int colour) {
    return PLAYERS[static_cast<size_t>(std::clamp(colour, 0, PLAYING_COLOURS - 1))];
}

std::string dialPicture(int position) {
    return positionPicture("Images\\zandolit", position);
}

std::string closeupPicture(int position) {
    return positionPicture("Images\\zandolic", position);
}

std::string tilePicture(int16_t card) {
    return tilePictureOf(tileShaded(card));
}

std::string tilePictureOf(int shaded) {
    // The folder is written as every other picture's is, so a look-up on a
    // case-sensitive disk finds it at once.
    return shaded == 0 ? std::string() : "Images\\wsq" + std::to_string(shaded) + ".jpg";
}

const char* momentSound(Moment moment) {
    switch (moment) {
        case Moment::Dealt:
            return "wav\\shuffle4.wav";
        case Moment::SpinStarted:
            return "wav\\wheel4.wav";
        case Moment::SpinStopped:
            return "wav\\key.wav";
        case Moment::CardDiscarded:
            return "wav\\dealcard.wav";
        case Moment::WrongCard:
            return "wav\\boink.wav";
        case Moment::CardDrawn:
            return "wav\\stapler.wav";
        case Moment::HandedOver:
            return "wav\\scrape.wav";
        case Moment::Won:
            return "wav\\fanf3.wav";
        case Moment::RulesShown:
            return SOUND_CLICK;
        case Moment::TurnBegan:
        case Moment::CardTurnedUp:
        case Moment::TurnEnded:
        case Moment::ExitAccepted:
        case Moment::ResultsShown:
        case Moment::Explained:
        case Moment::ExplanationRead:
            break;
    }
    return nullptr;
}

}  // namespace zandoli::look

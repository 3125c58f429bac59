#include "engine/Spinner.h"

namespace zandoli {

namespace {

std::string positionPicture(const char* stem, int position) {
    std::string name = stem;
    if (position < 10) {
        name += '0';
    }
    return name + std::to_string(position) + ".jpg";
}

}  // namespace

std::string dialPicture(int position) {
    return positionPicture("Images\\zandolit", position);
}

std::string closeupPicture(int position) {
    return positionPicture("Images\\zandolic", position);
}

}  // namespace zandoli

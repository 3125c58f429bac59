#include "Spinner.h"

namespace zandoli {

namespace {

std::string positionpicture(const char* stem, int position) {
    std::string name = stem;
    if (position < 10) {
        name += '0';
    }
    return name + std::to_string(position) + ".jpg";
}

}  // namespace

std::string dialpicture(int position) {
    return positionpicture("Images\\zandolit", position);
}

std::string closeuppicture(int position) {
    return positionpicture("Images\\zandolic", position);
}

}  // namespace zandoli

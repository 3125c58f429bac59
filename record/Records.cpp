#include "record/Records.h"

namespace zandoli {

const char* happeningKey(Happening what) {
    switch (what) {
        case Happening::Spin:
            return "spin";
        case Happening::Match:
            return "match";
        case Happening::Wrong:
            return "wrong";
        case Happening::Miss:
            return "miss";
        case Happening::RedStar:
            return "red star";
        case Happening::BlueStar:
            break;
    }
    return "blue star";
}

}  // namespace zandoli

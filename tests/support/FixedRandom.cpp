#include "FixedRandom.h"

namespace zandoli::testing {

double FixedRandom::next() {
    ++draws_;
    if (queued_.empty()) {
        return constant_;
    }
    const double value = queued_.front();
    queued_.pop_front();
    return value;
}

}  // namespace zandoli::testing

#include "Random.h"

#include <chrono>

namespace zandoli {

void TimeSeededRandom::reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double TimeSeededRandom::next() {
    // 53 random bits: exactly uniform on the doubles k / 2^53, never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

}  // namespace zandoli

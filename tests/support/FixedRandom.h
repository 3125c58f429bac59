#pragma once

#include <deque>
#include <random>

#include "engine/Random.h"
#include "engine/Spinner.h"

namespace zandoli::testing {

// A generator whose numbers the test writes: the queued ones first, in order,
// then the constant. reseed() changes nothing.
class FixedRandom : public RandomSource {
public:
    explicit FixedRandom(double constant = 0.0) : constant_(constant) {}

    void reseed() override {}
    double next() override {
        const double value = queued_.empty() ? constant_ : queued_.front();
        if (!queued_.empty()) {
            queued_.pop_front();
        }
        return value;
    }

    void queue(double value) { queued_.push_back(value); }
    void setConstant(double constant) { constant_ = constant; }

    // The number r that makes a spin of the given length (17..48).
    static double forSpinLength(int length) {
        return (length - SHORTEST_SPIN + 0.5) / SPIN_LENGTHS;
    }

private:
    std::deque<double> queued_;
    double constant_;
};

// The shortest spin, of 17 to 32 steps, that moves the pointer from position
// `from` to position `to`.
inline int spinLengthTo(int from, int to) {
    const int ahead = (to - from - SHORTEST_SPIN) % SPIN_POSITIONS;
    return SHORTEST_SPIN + (ahead + SPIN_POSITIONS) % SPIN_POSITIONS;
}

// A repeatable stand-in for the time-seeded generator: reseed() does not
// touch the sequence, so a run is the same every time.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    void reseed() override {}
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

}  // namespace zandoli::testing

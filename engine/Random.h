#pragma once

#include <cstdint>

namespace zandoli {

// The one uniform generator of a table: the deal reseeds it from the time of
// day, the shuffle and the spinner draw from it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

// splitmix64, started from `state` until the first reseed.
class TimeSeededRandom : public RandomSource {
public:
    explicit TimeSeededRandom(uint64_t state = {}) : state_(state) {}
    void reseed() override;
    double next() override;

private:
    uint64_t state_;
};

}  // namespace zandoli

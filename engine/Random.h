#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace zandoli {

// The one uniform generator of a table: the deal reseeds it from the time of
// day, the shuffle and the spinner draw from it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

// splitmix64, started from `state` until the first reseed, which seeds it
// from the time of day; or, for a class that plays by a code, from the code
// and the game's number: game 1, 2, 3... of a code shuffle and spin from the
// same numbers on every machine, so every pupil of the class is dealt the
// same hands and sees the same spins in the same order.
class TimeSeededRandom : public RandomSource {
public:
    explicit TimeSeededRandom(uint64_t state = {}) : state_(state) {}
    // Seeds every reseed from `code` and game `game`, until cleared.
    void setClassCode(std::string code, int game);
    void clearClassCode() { code_.clear(); }
    void setGame(int game) { game_ = game; }
    const std::string& classCode() const { return code_; }
    int game() const { return game_; }
    void reseed() override;
    double next() override;

private:
    uint64_t state_;
    std::string code_;
    int game_ = 1;
};

}  // namespace zandoli

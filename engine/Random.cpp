#include "engine/Random.h"

#include <chrono>

namespace zandoli {

void TimeSeededRandom::setClassCode(std::string code, int game) {
    code_ = std::move(code);
    game_ = game;
}

void TimeSeededRandom::reseed() {
    if (!code_.empty()) {
        // FNV-1a over the code and the game's number: the same on every
        // machine, whatever its byte order or its standard library's hash.
        uint64_t hash = 0xcbf29ce484222325U;
        for (const char c : code_ + "#" + std::to_string(game_)) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3U;
        }
        state_ = hash;
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    state_ =
        static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

double TimeSeededRandom::next() {
    // splitmix64: a deal draws 48,000 numbers, so the generator has to be
    // cheap; this one is, and its output passes the usual statistical tests.
    uint64_t z = (state_ += 0x9e3779b97f4a7c15U);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9U;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebU;
    z ^= z >> 31;
    // 53 random bits: exactly uniform on the doubles k / 2^53, never 1.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace zandoli

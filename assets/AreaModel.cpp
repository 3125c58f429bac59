#include "assets/AreaModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/Cards.h"
#include "engine/Values.h"

namespace zandoli {

namespace {

struct ModelChoice {
    AreaModel::Kind kind;
    int columns;
    int rows;
};

// The shape of each value of CARD_VALUES, entry by entry: halves, quarters
// and fifths are circles; tenths mostly bars; a grid of 20 echoes the tile
// cards and a grid of 100 shows hundredths. A value added without a shape
// does not compile.
constexpr std::array<ModelChoice, CARD_VALUES.size()> CHOICES = {{
    {AreaModel::Kind::Bar, 10, 1},    // 0.1
    {AreaModel::Kind::Pie, 5, 1},     // 0.2
    {AreaModel::Kind::Grid, 2, 2},    // 0.25
    {AreaModel::Kind::Bar, 10, 1},    // 0.3
    {AreaModel::Kind::Pie, 5, 1},     // 0.4
    {AreaModel::Kind::Pie, 2, 1},     // 0.5
    {AreaModel::Kind::Grid, 4, 5},    // 0.6
    {AreaModel::Kind::Grid, 10, 10},  // 0.7
    {AreaModel::Kind::Pie, 4, 1},     // 0.75
    {AreaModel::Kind::Pie, 5, 1},     // 0.8
    {AreaModel::Kind::Bar, 10, 1},    // 0.9
    {AreaModel::Kind::Pie, 4, 1},     // 1
}};
static_assert(std::all_of(CHOICES.begin(), CHOICES.end(),
                          [](const ModelChoice& c) { return c.columns > 0 && c.rows > 0; }));

}  // namespace

AreaModel areaModel(double value) {
    for (std::size_t i = 0; i < CARD_VALUES.size(); ++i) {
        if (!valuesMatch(value, CARD_VALUES[i].value)) {
            continue;
        }
        const ModelChoice& choice = CHOICES[i];
        AreaModel model{choice.kind, choice.columns, choice.rows, 0};
        model.shaded = static_cast<int>(std::lround(value * model.parts()));
        // A shape that is only nearly right would teach the wrong thing.
        if (std::abs(model.share() - value) > 1e-9) {
            throw std::invalid_argument("no exact area model for " + std::to_string(value));
        }
        return model;
    }
    throw std::invalid_argument("no area model for " + std::to_string(value));
}

}  // namespace zandoli

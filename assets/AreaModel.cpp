#include "assets/AreaModel.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/Cards.h"

namespace zandoli {

namespace {

struct ModelChoice {
    double value;
    AreaModel::Kind kind;
    int columns;
    int rows;
};

// Halves, quarters and fifths are circles; tenths mostly bars; a grid of 20
// echoes the tile cards and a grid of 100 shows hundredths.
constexpr std::array<ModelChoice, 12> CHOICES = {{
    {0.1, AreaModel::Kind::Bar, 10, 1},
    {0.2, AreaModel::Kind::Pie, 5, 1},
    {0.25, AreaModel::Kind::Grid, 2, 2},
    {0.3, AreaModel::Kind::Bar, 10, 1},
    {0.4, AreaModel::Kind::Pie, 5, 1},
    {0.5, AreaModel::Kind::Pie, 2, 1},
    {0.6, AreaModel::Kind::Grid, 4, 5},
    {0.7, AreaModel::Kind::Grid, 10, 10},
    {0.75, AreaModel::Kind::Pie, 4, 1},
    {0.8, AreaModel::Kind::Pie, 5, 1},
    {0.9, AreaModel::Kind::Bar, 10, 1},
    {1.0, AreaModel::Kind::Pie, 4, 1},
}};

}  // namespace

AreaModel areaModel(double value) {
    for (const ModelChoice& choice : CHOICES) {
        if (!valuesMatch(value, choice.value)) {
            continue;
        }
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

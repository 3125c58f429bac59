#pragma once

namespace zandoli {

// How a value is shown as a shaded shape: a whole cut into equal parts, some
// of them shaded. Several models are used on purpose, so children meet the
// same value as a circle, a bar and a grid.
struct AreaModel {
    enum class Kind { Pie, Bar, Grid };
    Kind kind = Kind::Pie;
    int columns = 1;  // Pie: number of sectors; Bar and Grid: parts across
    int rows = 1;     // Grid: parts down; 1 for Pie and Bar
    int shaded = 0;   // parts shaded, counted in reading order (clockwise from the top for a pie)

    int parts() const { return columns * rows; }
    double share() const { return static_cast<double>(shaded) / parts(); }
};

// The model for a spinner value (0.1 .. 1). Throws std::invalid_argument for a
// value no equal parts in the chosen model can show exactly.
AreaModel areaModel(double value);

}  // namespace zandoli

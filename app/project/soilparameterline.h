#pragma once

#include <array>

// Soil types in the order of the soil-type choice of the soil-layer tables.
enum TSoilType : int {
    kSoftClay = 1,
    kStiffClayWithFreeWater = 2,
    kStiffClayWithoutFreeWater = 3,
    kSand = 4,
    kSilt = 5,
    kStrongRock = 6,
    kWeakRock = 7,
};

// The six positions of a soil-parameter line (record A11d) of one soil type: each names the
// column of the layer's parameter table written there, or kUnusedParameter for the "0.0  "
// placeholder of a value the soil type does not use. Clay, sand and silt end with their
// optional earth-pressure coefficient.
struct TSoilParameterLine {
    static constexpr int kUnusedParameter = -1;
    static constexpr int kValues = 6;
    // The oldest layout has the first five positions only.
    static constexpr int kOldestValues = 5;

    std::array<int, kValues> columns;
    bool endsWithCoefficient;

    // Valid for soil types 1..7.
    [[nodiscard]] static const TSoilParameterLine& of(int soilType);
};

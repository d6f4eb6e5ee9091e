#pragma once

#include <vector>

class TProgramData;

// One row of the surcharge table in scene lengths, as the 3D view draws it.
struct TSurchargeRow {
    enum TLoadType : int { Point = 1, Line = 2, Strip = 3 };

    int type = Point;
    double magnitude = 0.0;
    double distance = 0.0;  // X: from the wall to the load (to the middle of a strip)
    double width = 0.0;     // B: width of a strip load

    // How far behind the wall the load reaches.
    [[nodiscard]] double reach() const { return type == Strip ? distance + width / 2 : distance; }

    // The rows with a load when additional surcharges are applied; none otherwise. Distances and
    // widths are multiplied by `lengthFactor`.
    [[nodiscard]] static std::vector<TSurchargeRow> rowsOf(const TProgramData& project,
                                                           double lengthFactor);
};

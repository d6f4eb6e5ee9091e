// A tieback (ground anchor) acts on the wall as a lateral spring at the
// station nearest its depth: the anchor's axial stiffness A E / L, its
// horizontal component cos(theta), shared out over the anchor spacing s per
// wall width w.
#pragma once

namespace keldra {

struct TiebackRow {  // A8 as read; English depth, length and spacing in feet
    double depth, area, modulus, unbonded_length, angle_degrees, spacing;
};

struct TiebackSpring {
    int station;
    double stiffness;
};

// `english` selects feet for depth, length and spacing. Returns false when
// the spacing, the unbonded length or the width is not positive.
[[nodiscard]] bool TiebackAsSpring(const TiebackRow& row, double H, double width, bool english,
                                   TiebackSpring& spring);

}  // namespace keldra

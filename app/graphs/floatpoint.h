#pragma once

// One point of a curve. For depth graphs X is the quantity and Y the depth; for p-y curves X is
// the deflection y and Y the resistance p.
struct TFloatPoint {
    double X = 0.0;
    double Y = 0.0;

    friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

// Unit label texts of the report, set at the start of every problem.
#pragma once

namespace keldra {

struct UnitLabels {
    int code;    // +1 English, -1 SI, 0 generic F and L
    char L[4];   // " IN", "  M", "  L"
    char F[5];   // " LBS", "  KN", "   F"
    char L2[3];  // "IN", " M", " L"
    char F3[4];  // "LBS", " KN", "  F"
};

// Sets the labels for code +1, -1 or 0.
void SetUnitLabels(UnitLabels& labels, int code);

}  // namespace keldra

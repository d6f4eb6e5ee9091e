#pragma once

#include <array>

class TGridTable;
class TProjectTables;

// Load types of the surcharge table.
enum TSurchargeLoadType : int { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };

// Column positions of the tables whose cells the project files address one by one.
namespace StiffnessColumn {
inline constexpr int kChoice = 2;  // constant (1) or interpolated to the next line (2)
}
namespace SoilLayerColumn {
inline constexpr int kType = 0;
inline constexpr int kDepth = 1;       // depth at the bottom of the layer
inline constexpr int kParameters = 2;  // the layer's two-row parameter table
}  // namespace SoilLayerColumn
namespace SurchargeColumn {
inline constexpr int kLoadType = 0;  // TSurchargeLoadType
inline constexpr int kMagnitude = 1;
inline constexpr int kDistance = 2;
inline constexpr int kWidth = 3;
}  // namespace SurchargeColumn
namespace PyCurveSetColumn {
inline constexpr int kNode = 0;
inline constexpr int kCurve = 1;
inline constexpr int kPMultiplier = 2;
inline constexpr int kYMultiplier = 3;
}  // namespace PyCurveSetColumn
namespace MomentEISetColumn {
inline constexpr int kFromNode = 0;
inline constexpr int kToNode = 1;
inline constexpr int kCurve = 2;
}  // namespace MomentEISetColumn

// The main window's tables that the project data file holds, by their part in the file.
struct TFileTables {
    TGridTable& stiffness;                 // PileSect, A5
    TGridTable& restraints;                // SoilLayer, A4
    TGridTable& concentratedLoads;         // BoundCond, A6
    TGridTable& springs;                   // SoilStrength, A7
    TGridTable& tiebacks;                  // TiebackTable1, A8
    TGridTable& pyModification;            // PYMod, A9
    TGridTable& distributedLoads;          // DistLoad, A10
    TGridTable& longTermDistributedLoads;  // LongDist, A10 of the long-term block
    TGridTable& surcharges;                // SurchargeTable, A11c
    TGridTable& soilLayers;                // NewSoil, A11d
    TGridTable& longTermSoilLayers;        // LongSoil, A11d of the long-term block
    TGridTable& pyCurveSets;               // PYCurves2 (charted), A12
    TGridTable& momentEISets;              // MEICurves2 (charted), A13

    [[nodiscard]] static TFileTables of(TProjectTables& tables);

    [[nodiscard]] std::array<TGridTable*, 13> all() const;
    // Gives every table without rows its minimum of default rows. A table that holds rows
    // keeps them, also fewer than its minimum: a padding row would be a load, curve or factor
    // at node 0 that the user never entered.
    void fillEmptyTables() const;
};

#pragma once

#include <QStringView>
#include <memory>
#include <vector>

#include "app/tables/tabledefinition.h"

class TGridTable;
class TTableRegistry;

// Names of the main window's data tables.
namespace TableName {
inline constexpr QStringView PileSect = u"PileSect";              // wall stiffness
inline constexpr QStringView SoilLayer = u"SoilLayer";            // specified deflection and slope
inline constexpr QStringView BoundCond = u"BoundCond";            // concentrated loads
inline constexpr QStringView SoilStrength = u"SoilStrength";      // lateral and rotational springs
inline constexpr QStringView TiebackTable1 = u"TiebackTable1";    // tiebacks
inline constexpr QStringView PYMod = u"PYMod";                    // p-y modification factors
inline constexpr QStringView DistLoad = u"DistLoad";              // distributed loads
inline constexpr QStringView LongDist = u"LongDist";              // distributed loads, long term
inline constexpr QStringView SurchargeTable = u"SurchargeTable";  // surcharge loads
inline constexpr QStringView NewSoil = u"NewSoil";                // soil layers
inline constexpr QStringView LongSoil = u"LongSoil";              // soil layers, long term
inline constexpr QStringView TblClay1 = u"TblClay1";              // layer parameter templates
inline constexpr QStringView TblSand1 = u"TblSand1";
inline constexpr QStringView TblSilt1 = u"TblSilt1";
inline constexpr QStringView TblRock1 = u"TblRock1";
inline constexpr QStringView TblRock2 = u"TblRock2";
inline constexpr QStringView PYCurves2 = u"PYCurves2";    // charted: sets of external p-y curves
inline constexpr QStringView PYCurve2 = u"PYCurve2";      // charted: one p-y curve (template)
inline constexpr QStringView MEICurves2 = u"MEICurves2";  // charted: moment-EI sections
inline constexpr QStringView Rows2 = u"Rows2";            // charted: one moment-EI curve (template)
}  // namespace TableName

// The main window's data tables, defined in one place: every table with its
// properties and columns, in creation order.
class TFormDescription {
  public:
    [[nodiscard]] static const std::vector<TTableDefinition>& tables();

    // A table of the definition, with no rows, registered in `registry` (the
    // charted registry for charted tables). A MinRows below 1 becomes 1.
    [[nodiscard]] static std::unique_ptr<TGridTable> build(const TTableDefinition& definition,
                                                           TTableRegistry& registry);
};

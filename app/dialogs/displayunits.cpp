#include "app/dialogs/displayunits.h"

#include "app/project/programdata.h"
#include "app/tables/unitstring.h"

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kSquareInchesPerSquareFoot = 144;

bool english(const TProgramData& project) { return project.units() == kEnglishUnits; }

}  // namespace

double shownDepth(const TProgramData& project, double stored) {
    return english(project) ? stored / kInchesPerFoot : stored;
}
double storedDepth(const TProgramData& project, double shown) {
    return english(project) ? shown * kInchesPerFoot : shown;
}
double shownStress(const TProgramData& project, double stored) {
    return english(project) ? stored * kSquareInchesPerSquareFoot : stored;
}
double storedStress(const TProgramData& project, double shown) {
    return english(project) ? shown / kSquareInchesPerSquareFoot : shown;
}

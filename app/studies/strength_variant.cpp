#include "app/studies/strength_variant.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "app/studies/opened_copy.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"

namespace keldra::studies {

namespace {

// The columns of a layer's parameter table that hold strengths, by soil
// type in the order of the layer's type choice (1 soft clay ... 7 weak rock).
struct StrengthColumns {
    int cohesion = -1;  // also the compressive strength of rock
    int friction = -1;
};

constexpr StrengthColumns kBySoilType[] = {
    {.cohesion = 1},                 // soft clay
    {.cohesion = 1},                 // stiff clay with free water
    {.cohesion = 1},                 // stiff clay without free water
    {.friction = 1},                 // sand
    {.cohesion = 2, .friction = 1},  // silt (c-phi soil)
    {.cohesion = 1},                 // strong rock
    {.cohesion = 1},                 // weak rock
};

constexpr int kSoilTypeColumn = 0;
constexpr int kParametersColumn = 2;

double WeakerFriction(double degrees, double factor) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return std::atan(std::tan(radians) / factor) * 180.0 / std::numbers::pi;
}

void Weaken(TGridTable& layers, double factor) {
    for (int row = 0; row < layers.rowCount(); ++row) {
        const int type = layers.integer(kSoilTypeColumn, row) - 1;  // the choice counts from 1
        TGridTable* parameters = layers.subTable(kParametersColumn, row);
        if (parameters == nullptr || type < 0 || type >= std::ssize(kBySoilType)) continue;
        const StrengthColumns columns = kBySoilType[type];
        for (int k = 0; k < parameters->rowCount(); ++k) {
            if (columns.cohesion >= 0)
                parameters->setReal(columns.cohesion, k,
                                    parameters->real(columns.cohesion, k) / factor);
            if (columns.friction >= 0)
                parameters->setReal(columns.friction, k,
                                    WeakerFriction(parameters->real(columns.friction, k), factor));
        }
    }
}

}  // namespace

void WriteStrengthVariant(const QString& source, const QString& target, double factor) {
    OpenedCopy copy(source, target);
    copy.forEachStage([&](TProgramData& stage) {
        for (QStringView name : {TableName::NewSoil, TableName::LongSoil})
            Weaken(stage.tables().table(name), factor);
        stage.SetModified(true);
    });
    copy.save();
}

}  // namespace keldra::studies

// Report sections of the computed earth pressure: "EFFECTIVE OVERBURDEN
// STRESS", "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT", "ACTIVE EARTH
// PRESSURE OF EACH LAYER", "ACTIVE WATER PRESSURE OF EACH LAYER", and the
// warnings of the step.
#pragma once

#include "engine/earth_pressure_sublayers.h"
#include "engine/output_file.h"
#include "engine/unit_labels.h"

namespace keldra {

void WriteOverburden(OutputFile& report, const SublayerTable& table, const UnitLabels& u);
void WriteCoefficients(OutputFile& report, const SublayerTable& table);
void WriteActiveForces(OutputFile& report, const SublayerTable& table, const UnitLabels& u);
// The sublayers above the excavation level that carry a water force.
void WriteWaterForces(OutputFile& report, const SublayerTable& table, const UnitLabels& u);

// The two warning lines of a backfill slope at least as steep as the
// friction angle.
void WriteSlopeWarning(OutputFile& file);
inline constexpr const char* kNetActiveNegative = "Net active pressure is negative.";
void WriteNetActiveNegative(OutputFile& file);

}  // namespace keldra

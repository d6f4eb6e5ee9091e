// A4, specified deflections and slopes: boundary-condition codes at the
// stations and the values the solver takes in station order.
//
// A row at station i (index J = i + 4) sets, by case:
//   1 deflection   KODE(J) = 2
//   2 slope        KODE(J-1) = 3, KODE(J+1) = 5
//   3 both         KODE(J-1) = 3, KODE(J) = 4, KODE(J+1) = 5
// Rows whose codes would touch or overlap are rejected: the solver walks the
// values with one running index and would take a neighbour's value.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

Step ReadSpecified(EngineState& s, FreeFormatReader& in);

}  // namespace keldra

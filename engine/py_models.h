// The soil models: each generates the curves of the five stations of one p-y
// layer through the common station procedure.
#pragma once

#include "engine/py_run.h"
#include "engine/run_status.h"

namespace keldra {

Step GenerateSoftClay(PyRun& run, int n);              // code 1, and codes outside 1..7
Step GenerateStiffClayFreeWater(PyRun& run, int n);    // code 2
Step GenerateStiffClayNoFreeWater(PyRun& run, int n);  // code 3
Step GenerateSand(PyRun& run, int n);                  // code 4
Step GenerateSilt(PyRun& run, int n);                  // code 5
Step GenerateStrongRock(PyRun& run, int n);            // code 6
Step GenerateWeakRock(PyRun& run, int n);              // code 7

// All p-y layers in order, each by the model of its soil type.
Step GeneratePyCurves(PyRun& run);

}  // namespace keldra

// Factors of the p-y models that depend on the depth ratio z = depth / width.
#pragma once

namespace keldra {

// Sand and silt: ultimate (A) and characteristic (B) resistance factors.
[[nodiscard]] double SandFactorA(double z);
[[nodiscard]] double SandFactorB(double z);

// Stiff clay with free water: the static-loading factor AS.
[[nodiscard]] double StiffClayFactorAS(double z);

}  // namespace keldra

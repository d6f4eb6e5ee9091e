#pragma once

#include <QString>

// Unit systems of the project, the tables and the files.
enum TUnitSystem : int { kEnglishUnits = 1, kSIUnits = 2, kGenericUnits = 3 };

// Plain tables know the force tokens F, F1, F2, F4, F5, F6 and the length
// tokens L, L1, L2, L3; charted tables only F, F1, F2, L, L1, L2 (any other
// character after F or L counts as the bare token).
enum class TUnitDialect { Plain, Chart };

// A unit string names the dimension of a float column with force and length
// tokens, "^n" exponents and "/" and "-" separators ("F/L2^3", "F-L^2").
// It yields the unit label shown in a title and the factors that convert
// values between unit systems.
class TUnitString {
  public:
    // The unit string with every token replaced by its label in the unit
    // system ("F/L2^3" -> "lbs/ft^3" in English units, "kN/m^3" in SI).
    [[nodiscard]] static QString label(const QString& unitString, int unitSystem,
                                       TUnitDialect dialect = TUnitDialect::Plain);

    // Factor by which a value is multiplied when its table switches from unit
    // system `from` to `to`: (numerator / denominator) raised to -1 for English
    // to SI, +1 for SI to English; 1 for every other pair.
    [[nodiscard]] static double conversionFactor(const QString& unitString, int from, int to,
                                                 TUnitDialect dialect = TUnitDialect::Plain);

    // Factor from a value shown in English units to the engine's English units
    // (inches and pounds): ft -> in x12, kips -> lbs x1000, tons -> lbs x2000,
    // so a depth "L2" gives 12, a unit weight "F/L2^3" 1/1728, a cohesion
    // "F/L2^2" 1/144 and a distributed load "F/L2" 1/12. SI and generic values
    // are never converted for the files.
    [[nodiscard]] static double englishToEngineFactor(const QString& unitString,
                                                      TUnitDialect dialect = TUnitDialect::Plain);
};

#include "app/tables/unitstring.h"

#include <gtest/gtest.h>

TEST(UnitString, LabelsInEveryUnitSystem) {
    struct Case {
        const char* unit;
        const char* english;
        const char* si;
        const char* generic;
    };
    const Case cases[] = {
        {"F/L2^3", "lbs/ft^3", "kN/m^3", "F/L^3"},
        {"F/L2^2", "lbs/ft^2", "kN/m^2", "F/L^2"},
        {"F-L^2", "lbs-in^2", "kN-m^2", "F-L^2"},
        {"F-L/RAD.", "lbs-in/RAD.", "kN-m/RAD.", "F-L/RAD."},
        {"F/L", "lbs/in", "kN/m", "F/L"},
        {"L1", "in", "mm", "L"},
        {"L3", "rad", "rad", "L"},
        {"F1-L2", "kips-ft", "kN-m", "F-L"},
        {"F2", "tons", "kN", "F"},
        {"F4", "lb-sec2/in", "Mg", "M"},
        {"F5", "sec", "sec", "T"},
        {"F6", "slug", "Mg", "F"},
        {"DEG.", "DEG.", "DEG.", "DEG."},
        {"SEE NOTES", "SEE NOTES", "SEE NOTES", "SEE NOTES"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TUnitString::label(c.unit, kEnglishUnits), c.english) << c.unit;
        EXPECT_EQ(TUnitString::label(c.unit, kSIUnits), c.si) << c.unit;
        EXPECT_EQ(TUnitString::label(c.unit, kGenericUnits), c.generic) << c.unit;
    }
}

TEST(UnitString, ChartedTablesKnowOnlyForceAndLengthTokensUpToTwo) {
    EXPECT_EQ(TUnitString::label("F-L^2", kEnglishUnits, TUnitDialect::Chart), "lbs-in^2");
    EXPECT_EQ(TUnitString::label("F/L", kEnglishUnits, TUnitDialect::Chart), "lbs/in");
    EXPECT_EQ(TUnitString::label("F4", kEnglishUnits, TUnitDialect::Chart), "lbs4");
    EXPECT_EQ(TUnitString::label("L3", kSIUnits, TUnitDialect::Chart), "m3");
    // "F4" counts as the bare force token (the "4" as its separator).
    EXPECT_DOUBLE_EQ(
        TUnitString::conversionFactor("F4", kSIUnits, kEnglishUnits, TUnitDialect::Chart),
        224.8089237);
}

TEST(UnitString, ConversionFactors) {
    struct Case {
        const char* unit;
        int from;
        int to;
        double factor;
    };
    const Case cases[] = {
        {"F/L2^3", kEnglishUnits, kSIUnits, 0.15708747740010115},
        {"F/L2^3", kSIUnits, kEnglishUnits,
         224.8089237 / (3.280839895 * 3.280839895 * 3.280839895)},
        {"F/L2^3", kEnglishUnits, kGenericUnits, 1},
        {"F/L2^3", kGenericUnits, kSIUnits, 1},
        {"F/L2^3", kSIUnits, kSIUnits, 1},
        {"L2", kSIUnits, kEnglishUnits, 3.280839895},
        {"L1", kEnglishUnits, kSIUnits, 1 / 0.03937007874},
        {"F-L^2", kSIUnits, kEnglishUnits, 224.8089237 * 39.37007874 * 39.37007874},
        {"F-L/RAD.", kSIUnits, kEnglishUnits, 224.8089237 * 39.37007874},
        {"L^2", kSIUnits, kEnglishUnits, 39.37007874 * 39.37007874},
        {"F4", kSIUnits, kEnglishUnits, 5.7101483},
        {"F6", kSIUnits, kEnglishUnits, 68.364249},
        {"DEG.", kSIUnits, kEnglishUnits, 1},
        {"SEE NOTES", kSIUnits, kEnglishUnits, 1},
        {"", kSIUnits, kEnglishUnits, 1},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(TUnitString::conversionFactor(c.unit, c.from, c.to), c.factor, 1E-9 * c.factor)
            << c.unit << " " << c.from << "->" << c.to;
}

TEST(UnitString, EnglishDisplayToEngineUnits) {
    struct Case {
        const char* unit;
        double factor;
    };
    const Case cases[] = {{"L2", 12},         {"F/L2^3", 1.0 / 1728}, {"F/L2^2", 1.0 / 144},
                          {"F/L2", 1.0 / 12}, {"F/L^3", 1},           {"F-L^2", 1},
                          {"L1", 1},          {"F1", 1000},           {"", 1}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(TUnitString::englishToEngineFactor(c.unit), c.factor) << c.unit;
}

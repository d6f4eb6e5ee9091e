#include "app/analysis/inputchecks.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/main/projectsession.h"
#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "qtprint.h"

namespace {

TInputCheckData wall(int increments, QList<TStiffnessRange> rows, double beta = 0.0,
                     QList<TLayerFriction> layers = {}) {
    TInputCheckData data;
    data.increments = increments;
    data.stiffnessRows = std::move(rows);
    data.backfillSlope = beta;
    data.soilLayers = std::move(layers);
    return data;
}

constexpr int kSoftClay = 1, kStiffClayWithFreeWater = 2, kSand = 4, kSilt = 5, kStrongRock = 6,
              kWeakRock = 7;

}  // namespace

TEST(InputChecks, StiffnessRowsBeyondTheLastNode) {
    EXPECT_EQ(firstInputProblem(wall(40, {{0, 20}, {0, 45}})),
              "End Node, 45 in row 2 of Wall Stiffness definition\n"
              "is greater than number of nodes defined, 40.\n"
              "Please check on Wall Properties Windows and Wall Stiffness Table");
    EXPECT_EQ(firstInputProblem(wall(40, {{41, 50}})),
              "Initial Node, 41 in row 1 of Wall Stiffness definition\n"
              "is greater than number of nodes defined, 40.\n"
              "Please check on Wall Properties Windows and Wall Stiffness Table");
    EXPECT_EQ(firstInputProblem(wall(40, {{0, 20}, {40, 40}})), std::nullopt);
}

TEST(InputChecks, BackfillSlopeSteeperThanTheFrictionAngle) {
    EXPECT_EQ(firstInputProblem(wall(40, {}, 30, {{kSoftClay, 0}, {kSand, 29.5}})),
              "Slope of the Backfill: 30 deg.\nis greater than friction angle, 29.5 deg.,\n"
              "in layer 2\nPlease check on Wall Configuration and Soil Layers Windows");
    EXPECT_EQ(firstInputProblem(wall(40, {}, 12.25, {{kSilt, 10}})),
              "Slope of the Backfill: 12.25\nis greater than friction angle, 10,\n"
              "in layer 1\nPlease check Soil Layers");

    const struct {
        const char* what;
        double beta;
        TLayerFriction layer;
    } passing[] = {
        {"equal angle", 30, {kSand, 30}},           {"no slope", 0, {kSand, 0}},
        {"negative slope", -10, {kSand, 5}},        {"clay never fails", 30, {kSoftClay, 0}},
        {"rock never fails", 30, {kStrongRock, 0}},
    };
    for (const auto& c : passing)
        EXPECT_EQ(firstInputProblem(wall(40, {}, c.beta, {c.layer})), std::nullopt) << c.what;
}

TEST(InputChecks, StiffnessIsCheckedBeforeTheSlope) {
    const auto problem = firstInputProblem(wall(10, {{0, 11}}, 30, {{kSand, 20}}));
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->startsWith("End Node, 11"));
}

TEST(InputChecks, StiffnessThatIsNotPositive) {
    const struct {
        TRigidity rigidity;
        const char* message;
    } cases[] = {
        {{0, 2, 0.0},
         "Flexural Stiffness (EI), 0 in row 2 of Wall Stiffness definition\n"
         "is zero or too small to be used.\nPlease check on Wall Stiffness Table"},
        {{0, 1, -2.9e9},
         "Flexural Stiffness (EI), -2900000000 in row 1 of Wall Stiffness definition\n"
         "is negative.\nPlease check on Wall Stiffness Table"},
        {{0, 1, 1e-320},
         "Flexural Stiffness (EI), 9.99988867182683e-321 in row 1 of Wall Stiffness definition\n"
         "is zero or too small to be used.\nPlease check on Wall Stiffness Table"},
        {{2, 3, 0.0},
         "Flexural rigidity, 0 in point 3 of set 2 of Nonlinear Moment vs EI Curves\n"
         "is zero or too small to be used.\nPlease check on Sets of Nonlinear Moment vs EI Curves"},
        {{1, 1, -5e8},
         "Flexural rigidity, -500000000 in point 1 of set 1 of Nonlinear Moment vs EI Curves\n"
         "is negative.\nPlease check on Sets of Nonlinear Moment vs EI Curves"},
        {{0, 1, 1e-300}, nullptr},
    };
    for (const auto& c : cases) {
        TInputCheckData data = wall(40, {{0, 40}});
        data.rigidities = {{0, 1, 5.3e9}, c.rigidity};
        const auto problem = firstInputProblem(data);
        if (c.message)
            EXPECT_EQ(problem, c.message);
        else
            EXPECT_EQ(problem, std::nullopt);
    }
}

TEST(InputChecks, NegativeSoilParameters) {
    TInputCheckData data = wall(40, {{0, 40}}, 30, {{kSand, 20}});
    data.soilValues = {{"Soil Layers", 1, false, "Total Unit Weight", 0.0},
                       {"Soil Layers", 2, true, "Cohesive Strength", -5}};
    EXPECT_EQ(firstInputProblem(data),
              "Cohesive Strength, -5 at the bottom of layer 2 in Soil Layers\nis negative.\n"
              "Please check Soil Layers");
    data.soilValues = {{"Soil Layers (Long-Term)", 1, false, "Total Unit Weight", -0.036}};
    EXPECT_EQ(firstInputProblem(data),
              "Total Unit Weight, -0.036 at the top of layer 1 in Soil Layers (Long-Term)\n"
              "is negative.\nPlease check Soil Layers (Long-Term)");
}

namespace {

// A project that passes every check: 40 increments, one stiffness row over the whole wall, a
// clay layer and a moment vs EI set with sound values.
void soundProject(TProjectSession& session) {
    TProgramData& project = session.project();
    const TFileTables tables = TFileTables::of(session.tables());
    project.wall.increments = 40;
    tables.stiffness.setInteger(1, 0, 40);
    tables.stiffness.setReal(3, 0, 5.3e9);
    project.options.momentEI = true;
    TGridTable& curve = *tables.momentEISets.subTable(MomentEISetColumn::kCurve, 0);
    curve.setRowCount(2);
    curve.setReal(1, 0, 5.3e9);
    curve.setReal(1, 1, 4e9);
    for (TGridTable* layers : {&tables.soilLayers, &tables.longTermSoilLayers}) {
        TGridTable& clay = *layers->subTable(SoilLayerColumn::kParameters, 0);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < clay.columnCount(); ++column)
                clay.setReal(column, row, 100);
    }
}

// Sets the soil type of the first layer of `layers` and one parameter of its top or bottom row.
void setParameter(TGridTable& layers, int soilType, int column, int row, double value) {
    layers.setInteger(SoilLayerColumn::kType, 0, soilType);
    layers.subTable(SoilLayerColumn::kParameters, 0)->setReal(column, row, value);
}

}  // namespace

// The checks read the values as the tables hold them and name each by its table and column.
TEST(InputChecks, ImplausibleValuesOfAProjectAreNamed) {
    using TEdit = std::function<void(TProgramData&, const TFileTables&)>;
    const struct {
        const char* what;
        TEdit edit;
        const char* message;  // nullptr when the project passes
    } cases[] = {
        {"sound project", [](TProgramData&, const TFileTables&) {}, nullptr},
        {"EI typed as 1e-400",
         [](TProgramData&, const TFileTables& t) { t.stiffness.setFromText(3, 0, "1e-400"); },
         "Flexural Stiffness (EI), 0 in row 1 of Wall Stiffness definition\n"
         "is zero or too small to be used.\nPlease check on Wall Stiffness Table"},
        {"negative EI of a moment vs EI point",
         [](TProgramData&, const TFileTables& t) {
             t.momentEISets.subTable(MomentEISetColumn::kCurve, 0)->setReal(1, 1, -4e9);
         },
         "Flexural rigidity, -4000000000 in point 2 of set 1 of Nonlinear Moment vs EI Curves\n"
         "is negative.\nPlease check on Sets of Nonlinear Moment vs EI Curves"},
        {"moment vs EI sets switched off",
         [](TProgramData& p, const TFileTables& t) {
             p.options.momentEI = false;
             t.momentEISets.subTable(MomentEISetColumn::kCurve, 0)->setReal(1, 1, -4e9);
         },
         nullptr},
        {"negative undrained shear strength of soft clay",
         [](TProgramData&, const TFileTables& t) {
             setParameter(t.soilLayers, kSoftClay, 1, 1, -250);
         },
         "Cohesive Strength, -250 at the bottom of layer 1 in Soil Layers\nis negative.\n"
         "Please check Soil Layers"},
        {"negative unit weight of sand",
         [](TProgramData&, const TFileTables& t) { setParameter(t.soilLayers, kSand, 0, 0, -110); },
         "Total Unit Weight, -110 at the top of layer 1 in Soil Layers\nis negative.\n"
         "Please check Soil Layers"},
        {"negative k of silt",
         [](TProgramData&, const TFileTables& t) { setParameter(t.soilLayers, kSilt, 4, 0, -25); },
         "K(py), -25 at the top of layer 1 in Soil Layers\nis negative.\nPlease check Soil Layers"},
        {"negative k of stiff clay",
         [](TProgramData&, const TFileTables& t) {
             setParameter(t.soilLayers, kStiffClayWithFreeWater, 3, 0, -500);
         },
         "k(py), -500 at the top of layer 1 in Soil Layers\nis negative.\nPlease check Soil "
         "Layers"},
        {"negative strength of weak rock",
         [](TProgramData&, const TFileTables& t) {
             setParameter(t.soilLayers, kWeakRock, 1, 0, -1000);
         },
         "Uniaxial Compressive Strength, -1000 at the top of layer 1 in Soil Layers\n"
         "is negative.\nPlease check Soil Layers"},
        {"negative strength of strong rock in the long-term layers",
         [](TProgramData& p, const TFileTables& t) {
             p.options.shortAndLongTerm = true;
             setParameter(t.longTermSoilLayers, kStrongRock, 1, 1, -5000);
         },
         "Uniaxial Compressive Strength, -5000 at the bottom of layer 1 in Soil Layers "
         "(Long-Term)\nis negative.\nPlease check Soil Layers (Long-Term)"},
        {"long-term layers without the long-term analysis",
         [](TProgramData&, const TFileTables& t) {
             setParameter(t.longTermSoilLayers, kStrongRock, 1, 1, -5000);
         },
         nullptr},
        {"negative friction angle and E50 are not these checks'",
         [](TProgramData&, const TFileTables& t) {
             setParameter(t.soilLayers, kSilt, 1, 0, -5);
             setParameter(t.soilLayers, kSilt, 3, 0, -0.01);
         },
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TProjectSession session;
        soundProject(session);
        c.edit(session.project(), TFileTables::of(session.tables()));
        const auto problem = firstInputProblem(session.inputCheckData());
        if (c.message)
            EXPECT_EQ(problem, c.message);
        else
            EXPECT_EQ(problem, std::nullopt);
    }
}

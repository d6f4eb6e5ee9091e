#include "app/main/inputchecks.h"

#include <gtest/gtest.h>

#include "qtprint.h"

namespace {

TInputCheckData wall(int increments, QList<TStiffnessRange> rows, double beta = 0.0,
                     QList<TLayerFriction> layers = {}) {
    return {increments, std::move(rows), beta, std::move(layers)};
}

constexpr int kSoftClay = 1, kSand = 4, kSilt = 5, kStrongRock = 6;

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

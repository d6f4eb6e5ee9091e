#include "app/studies/strength_study.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <stdexcept>

#include "app/project/filelayout.h"
#include "app/project/programdata.h"
#include "app/project/projectfiles.h"
#include "app/studies/strength_variant.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"

namespace keldra::studies {
namespace {

QString Example(const char* name) {
    return QStringLiteral(KELDRA_SOURCE_DIR "/examples/%1").arg(QLatin1String(name));
}

StudyRunOptions TwoJobs() { return {.jobs = 2, .library = KELDRA_BIN_DIR "/libKeldraEngine.so"}; }

// The parameters of the first soil layer of a project file.
std::vector<double> FirstLayer(const QString& file) {
    TProjectTables tables;
    TProgramData project(tables);
    EXPECT_EQ(ProjectFiles::open(project, file, TFileLayout::Current), QString());
    const TGridTable& parameters = *tables.table(TableName::NewSoil).subTable(2, 0);
    std::vector<double> values;
    for (int column = 0; column < parameters.columnCount(); ++column)
        values.push_back(parameters.real(column, 0));
    return values;
}

TEST(StrengthVariant, DividesCohesionAndTheTangentOfFrictionAndKeepsTheRest) {
    const QTemporaryDir dir;
    const QString clay = dir.filePath(QStringLiteral("clay.kd5d"));
    const QString sand = dir.filePath(QStringLiteral("sand.kd5d"));
    WriteStrengthVariant(Example("clay_generated.kd5d"), clay, 2.0);
    WriteStrengthVariant(Example("sand_generated.kd5d"), sand, 2.0);
    // Clay: unit weight, cohesion, E50, k, earth pressure coefficient.
    std::vector<double> expected = FirstLayer(Example("clay_generated.kd5d"));
    expected[1] /= 2.0;
    EXPECT_EQ(FirstLayer(clay), expected);
    // Sand: unit weight, friction angle, k, earth pressure coefficient.
    expected = FirstLayer(Example("sand_generated.kd5d"));
    const double phi = expected[1];
    const std::vector<double> weakened = FirstLayer(sand);
    EXPECT_NEAR(std::tan(weakened[1] * M_PI / 180.0), std::tan(phi * M_PI / 180.0) / 2.0, 1e-6);
    expected[1] = weakened[1];
    EXPECT_EQ(weakened, expected);
}

// The dry-sand cantilever closes with tan(phi) divided by 1.49 and fails at
// 1.50 (measured). Weakened beforehand by 1.48, its own factor of safety is
// therefore 1.00 or 1.01; weakened by 1.52, it no longer closes as given.
TEST(StrengthStudy, SandWeakenedToJustAboveFailureHasAFactorCloseToOne) {
    const QTemporaryDir dir;
    struct Case {
        double weakening;
        std::optional<double> low, high;
    };
    for (const Case& c : {Case{1.48, 1.0, 1.01}, Case{1.52, std::nullopt, std::nullopt}}) {
        SCOPED_TRACE(c.weakening);
        const QString weakened = dir.filePath(QStringLiteral("weak%1.kd5d").arg(c.weakening));
        WriteStrengthVariant(Example("sand_generated.kd5d"), weakened, c.weakening);
        const StrengthStudy study = RunStrengthStudy(weakened, dir.path(), 0.01, 4.0, TwoJobs());
        ASSERT_EQ(study.factor.has_value(), c.low.has_value());
        if (!c.low) continue;
        EXPECT_GE(*study.factor, *c.low - 1e-9);
        EXPECT_LE(*study.factor, *c.high + 1e-9);
    }
}

TEST(StrengthStudy, PrecisionAndLargestFactorOutsideTheirRangesSayWhy) {
    const QTemporaryDir dir;
    struct Case {
        double precision, maximum;
        const char* message;
    };
    const Case cases[] = {
        {0.0, 10.0, "the precision must be greater than 0 and at most 1"},
        {-0.1, 10.0, "the precision must be greater than 0 and at most 1"},
        {1.5, 10.0, "the precision must be greater than 0 and at most 1"},
        {0.01, 0.5, "the largest factor must be from 1 to 1000"},
        {0.01, 1e6, "the largest factor must be from 1 to 1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            (void)RunStrengthStudy(Example("sand_generated.kd5d"), dir.path(), c.precision,
                                   c.maximum, TwoJobs());
            ADD_FAILURE() << "no error";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

// A wall held only by user p-y curves has no soil strength to divide.
TEST(StrengthStudy, WallHeldByUserCurvesReachesTheMaximum) {
    const QTemporaryDir dir;
    const StrengthStudy study =
        RunStrengthStudy(Example("cantilever_user_curves.kd5d"), dir.path(), 0.01, 4.0, TwoJobs());
    ASSERT_TRUE(study.factor.has_value());
    EXPECT_DOUBLE_EQ(*study.factor, 4.0);
    EXPECT_FALSE(study.non_monotone);
}

}  // namespace
}  // namespace keldra::studies

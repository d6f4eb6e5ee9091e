#include "app/studies/layer_study.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

#include "tests/app/studies/sand_pile.h"

namespace keldra::studies {
namespace {

StudyRunOptions TwoJobs() { return {.jobs = 2, .library = KELDRA_BIN_DIR "/libKeldraEngine.so"}; }

// Each split count gives what the pile given in that many layers gives.
TEST(LayerStudy, EachRowIsThePileGivenInThatManyLayers) {
    const QTemporaryDir dir;
    const QString pile = dir.filePath(QStringLiteral("pile.kd5d"));
    testing::WriteSandPile(pile, {});
    const LayerStudy study = RunLayerStudy(pile, dir.path(), 20, TwoJobs());
    EXPECT_TRUE(study.limited);
    EXPECT_EQ(study.most_parts, 10);
    ASSERT_EQ(study.rows.size(), 10u);
    for (const int parts : {1, 2, 5, 10}) {
        const QString by_hand = dir.filePath(QStringLiteral("by_hand%1.kd5d").arg(parts));
        testing::WriteSandPile(by_hand, {.layers = parts});
        const LayerStudy given = RunLayerStudy(by_hand, dir.path(), 1, TwoJobs());
        ASSERT_EQ(given.rows.size(), 1u);
        const LayerRow& row = study.rows[parts - 1];
        EXPECT_EQ(row.parts, parts);
        EXPECT_TRUE(row.closed);
        EXPECT_EQ(row.top_deflection.value, given.rows[0].top_deflection.value) << parts;
        EXPECT_EQ(row.moment.value, given.rows[0].moment.value) << parts;
    }
    const LayerRow& finest = study.rows.back();
    EXPECT_EQ(finest.deflection_change, 0.0);
    const LayerRow& first = study.rows.front();
    EXPECT_DOUBLE_EQ(*first.deflection_change,
                     (first.top_deflection.value - finest.top_deflection.value) /
                         finest.top_deflection.value * 100.0);
}

TEST(LayerStudy, AProjectWithoutGeneratedCurvesIsRefused) {
    const QTemporaryDir dir;
    EXPECT_THROW((void)RunLayerStudy(QStringLiteral(KELDRA_SOURCE_DIR "/examples/two_stage.kd5d"),
                                     dir.path(), std::nullopt, TwoJobs()),
                 std::invalid_argument);
}

}  // namespace
}  // namespace keldra::studies

#include "app/studies/layer_split.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

#include "app/project/filelayout.h"
#include "app/project/programdata.h"
#include "app/project/projectfiles.h"
#include "app/studies/layer_variant.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "tests/app/studies/sand_pile.h"

namespace keldra::studies {
namespace {

using testing::SandPile;
using testing::WriteSandPile;

struct Layer {
    double bottom = 0.0;
    std::vector<double> top, base;  // the parameter rows

    bool operator==(const Layer&) const = default;
};

std::vector<Layer> Layers(const QString& file) {
    TProjectTables tables;
    TProgramData project(tables);
    EXPECT_EQ(ProjectFiles::open(project, file, TFileLayout::Current), QString());
    const TGridTable& soil = tables.table(TableName::NewSoil);
    std::vector<Layer> layers;
    for (int row = 0; row < soil.rowCount(); ++row) {
        const TGridTable& parameters = *soil.subTable(2, row);
        Layer layer{.bottom = soil.real(1, row)};
        for (int column = 0; column < parameters.columnCount(); ++column) {
            layer.top.push_back(parameters.real(column, 0));
            layer.base.push_back(parameters.real(column, 1));
        }
        layers.push_back(layer);
    }
    return layers;
}

TEST(LayerSplit, AUniformLayerSplitsIntoLayersWithItsOwnParameters) {
    const QTemporaryDir dir;
    const QString pile = dir.filePath(QStringLiteral("pile.kd5d"));
    const QString split = dir.filePath(QStringLiteral("split.kd5d"));
    WriteSandPile(pile, {});
    const std::vector<ProblemLayers> facts = WriteLayerVariant(pile, split, 2);
    ASSERT_EQ(facts.size(), 1u);
    EXPECT_EQ(facts[0].split.split, 1);
    EXPECT_TRUE(facts[0].generated);
    const std::vector<Layer> original = Layers(pile);
    ASSERT_EQ(original.size(), 1u);
    // Unit weight, friction angle, k and earth pressure coefficient, as given.
    const std::vector<double> sand{10, 35, 24000, 0};
    EXPECT_EQ(original[0].top, sand);
    // The curves reach 0.4 m below the 10 m tip; the sand ends at the tip.
    EXPECT_EQ(Layers(split), (std::vector<Layer>{{5.0, sand, sand}, {10.0, sand, sand}}));
}

TEST(LayerSplit, ALinearLayerKeepsItsLineAndSplitsWhereItCarriesCurves) {
    const QTemporaryDir dir;
    const QString pile = dir.filePath(QStringLiteral("pile.kd5d"));
    const QString split = dir.filePath(QStringLiteral("split.kd5d"));
    // The sand reaches 20 m below a 10 m pile: curves are built down to 10.4 m.
    WriteSandPile(
        pile,
        {.depth = 20.0, .top = "10 0.0  30 0.0  10000 0 ", .bottom = "20 0.0  40 0.0  30000 0 "});
    (void)WriteLayerVariant(pile, split, 4);
    auto at = [](double depth) {
        const double s = depth / 20.0;
        return std::vector<double>{10 + 10 * s, 30 + 10 * s, 10000 + 20000 * s, 0};
    };
    const std::vector<Layer> layers = Layers(split);
    ASSERT_EQ(layers.size(), 4u);
    const double bottoms[] = {2.6, 5.2, 7.8, 20.0};
    double top = 0.0;
    for (std::size_t k = 0; k < layers.size(); ++k) {
        EXPECT_NEAR(layers[k].bottom, bottoms[k], 1e-12) << k;
        for (std::size_t c = 0; c < at(0).size(); ++c) {
            EXPECT_NEAR(layers[k].top[c], at(top)[c], 1e-9) << k << " " << c;
            EXPECT_NEAR(layers[k].base[c], at(bottoms[k])[c], 1e-9) << k << " " << c;
        }
        top = bottoms[k];
    }
}

TEST(LayerSplit, TheThickestLayersAreSplitAsFarAsTheTableHoldsThem) {
    const QTemporaryDir dir;
    const QString pile = dir.filePath(QStringLiteral("pile.kd5d"));
    const QString split = dir.filePath(QStringLiteral("split.kd5d"));
    WriteSandPile(pile, {.layers = 7});
    const std::vector<ProblemLayers> facts = WriteLayerVariant(pile, split, 2);
    EXPECT_EQ(facts[0].split.split, 3);
    EXPECT_EQ(facts[0].split.splittable, 7);
    EXPECT_EQ(facts[0].most_parts, 1);
    EXPECT_EQ(Layers(split).size(), 10u);
}

struct PartsCase {
    int layers;
    int most_parts;
};

TEST(LayerSplit, MostPartsFitTheTenRowsOfTheSoilTable) {
    for (const PartsCase c : {PartsCase{1, 10}, {2, 5}, {3, 3}, {5, 2}, {6, 1}, {10, 1}}) {
        const QTemporaryDir dir;
        const QString pile = dir.filePath(QStringLiteral("pile.kd5d"));
        WriteSandPile(pile, {.layers = c.layers});
        EXPECT_EQ(
            WriteLayerVariant(pile, dir.filePath(QStringLiteral("same.kd5d")), 1)[0].most_parts,
            c.most_parts)
            << c.layers;
    }
}

}  // namespace
}  // namespace keldra::studies

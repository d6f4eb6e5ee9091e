#include "app/studies/layer_split.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "app/studies/table_lengths.h"
#include "app/tables/enumcolumn.h"
#include "app/tables/floatcolumn.h"
#include "app/tables/gridtable.h"

namespace keldra::studies {

namespace {

constexpr int kSoilTypeColumn = 0;
constexpr int kParametersColumn = 2;
constexpr int kTopRow = 0;  // of a layer's parameter table; the bottom row follows
constexpr int kBottomRow = 1;

// Depths that differ by less than this (relative to the depth) are the same
// boundary: a depth converted between feet and inches may not come back exact.
constexpr double kSameDepth = 1e-9;

bool Below(double deeper, double shallower) {
    return deeper - shallower > kSameDepth * std::max(1.0, std::abs(deeper));
}

// A layer's parameters at its top and at its bottom, column by column.
struct Profile {
    double top = 0.0, bottom = 0.0;
    std::vector<double> at_top, at_bottom;
    std::vector<bool> real;  // whether the column holds a number that varies with depth

    [[nodiscard]] double At(int column, double depth) const {
        if (depth <= top) return at_top[column];
        if (depth >= bottom) return at_bottom[column];
        const double s = (depth - top) / (bottom - top);
        return at_top[column] + s * (at_bottom[column] - at_top[column]);
    }
};

Profile ProfileOf(const TGridTable& layers, int row) {
    Profile p{.top = LayerTop(layers, row), .bottom = layers.real(kLayerBottomColumn, row)};
    const TGridTable* parameters = layers.subTable(kParametersColumn, row);
    if (parameters == nullptr || parameters->rowCount() <= kBottomRow) return p;
    for (int c = 0; c < parameters->columnCount(); ++c) {
        p.real.push_back(dynamic_cast<const TFloatColumn*>(&parameters->column(c)) != nullptr);
        p.at_top.push_back(p.real.back() ? parameters->real(c, kTopRow) : 0.0);
        p.at_bottom.push_back(p.real.back() ? parameters->real(c, kBottomRow) : 0.0);
    }
    return p;
}

void SetParameters(TGridTable& layers, int row, const Profile& p, double top, double bottom) {
    TGridTable* parameters = layers.subTable(kParametersColumn, row);
    if (parameters == nullptr || parameters->rowCount() <= kBottomRow) return;
    for (int c = 0; c < std::ssize(p.real) && c < parameters->columnCount(); ++c) {
        if (!p.real[c]) continue;
        parameters->setReal(c, kTopRow, p.At(c, top));
        parameters->setReal(c, kBottomRow, p.At(c, bottom));
    }
}

// Layer `row` becomes `parts` layers whose boundaries cut its curve-carrying
// part into equal pieces; the first keeps the layer's top, the last its bottom.
void SplitLayer(TGridTable& layers, int row, int parts, const CurveDepths& depths) {
    const Profile profile = ProfileOf(layers, row);
    const int type = layers.integer(kSoilTypeColumn, row);
    const double from = std::max(profile.top, depths.top);
    const double to = std::min(profile.bottom, depths.bottom);
    std::vector<double> edges{profile.top};
    for (int k = 1; k < parts; ++k) edges.push_back(from + (to - from) * k / parts);
    edges.push_back(profile.bottom);
    for (int k = 1; k < parts; ++k) layers.insertRowGroup(row);
    for (int k = 0; k < parts; ++k) {
        layers.setInteger(kSoilTypeColumn, row + k, type);  // a new type gets its own table
        layers.setReal(kLayerBottomColumn, row + k, edges[k + 1]);
        SetParameters(layers, row + k, profile, edges[k], edges[k + 1]);
    }
}

std::vector<double> CurveThicknesses(const TGridTable& layers, const CurveDepths& depths) {
    std::vector<double> thickness;
    for (int row = 0; row < layers.rowCount(); ++row)
        thickness.push_back(CurveThickness(layers, row, depths));
    return thickness;
}

int Splittable(const std::vector<double>& thickness) {
    return static_cast<int>(
        std::count_if(thickness.begin(), thickness.end(), [](double t) { return t > 0.0; }));
}

}  // namespace

double LayerTop(const TGridTable& layers, int row) {
    return row == 0 ? 0.0 : layers.real(kLayerBottomColumn, row - 1);
}

double CurveThickness(const TGridTable& layers, int row, const CurveDepths& depths) {
    const double from = std::max(LayerTop(layers, row), depths.top);
    const double to = std::min(layers.real(kLayerBottomColumn, row), depths.bottom);
    return Below(to, from) ? to - from : 0.0;
}

QString SoilName(const TGridTable& layers, int row) {
    const auto& types = static_cast<const TEnumColumn&>(layers.column(kSoilTypeColumn));
    const int choice = layers.integer(kSoilTypeColumn, row);  // counts from 1
    return choice >= 1 && choice <= types.choices().size() ? types.choices()[choice - 1]
                                                           : QString();
}

LayerSplit SplitLayers(TGridTable& layers, int parts, const CurveDepths& depths) {
    const std::vector<double> thickness = CurveThicknesses(layers, depths);
    LayerSplit result{.splittable = Splittable(thickness)};
    if (parts < 2) return result;
    const int room = layers.maxRows() > 0 ? layers.maxRows() - layers.rowCount()
                                          : result.splittable * (parts - 1);
    result.split = std::clamp(room / (parts - 1), 0, result.splittable);
    std::vector<int> rows(thickness.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return thickness[a] > thickness[b]; });
    rows.resize(result.split);
    // From the deepest up, so that the rows still to split keep their places.
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows) SplitLayer(layers, row, parts, depths);
    return result;
}

int MostParts(const TGridTable& layers, const CurveDepths& depths) {
    const int splittable = Splittable(CurveThicknesses(layers, depths));
    if (splittable == 0 || layers.maxRows() <= 0) return 1;
    const int others = layers.rowCount() - splittable;
    return std::max(1, (layers.maxRows() - others) / splittable);
}

}  // namespace keldra::studies

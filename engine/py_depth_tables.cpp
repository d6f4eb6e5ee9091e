#include "engine/py_depth_tables.h"

#include <array>

namespace keldra {

namespace {

template <std::size_t N>
struct DepthTable {
    std::array<double, N> z;
    std::array<double, N> value;
};

constexpr DepthTable<10> kSandA{{0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6},
                                {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.9, 0.88, 0.88}};
constexpr DepthTable<10> kSandB{{0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6},
                                {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.5, 0.5}};
constexpr DepthTable<6> kStiffClayAS{{0, 1, 2, 3, 4, 5}, {0.223, 0.46, 0.55, 0.59, 0.6, 0.6}};

// Linear between the grid points around z; the first and last segments are
// extended beyond the table (both tables end flat).
template <std::size_t N>
double Lookup(const DepthTable<N>& t, double z) {
    std::size_t k = 1;
    while (k < N - 1 && !(z < t.z[k])) ++k;
    const double fraction = (z - t.z[k - 1]) / (t.z[k] - t.z[k - 1]);
    return t.value[k - 1] + (t.value[k] - t.value[k - 1]) * fraction;
}

}  // namespace

double SandFactorA(double z) { return Lookup(kSandA, z); }
double SandFactorB(double z) { return Lookup(kSandB, z); }
double StiffClayFactorAS(double z) { return Lookup(kStiffClayAS, z); }

}  // namespace keldra

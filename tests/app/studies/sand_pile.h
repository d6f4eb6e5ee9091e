// A free-head pipe pile (0.61 m, t = 12.7 mm, EI 212,700 kN-m2) in one
// uniform sand (phi 35 deg, gamma' 10 kN/m3, k 24,000 kN/m3), loaded by
// 300 kN at the ground line, in SI units: the sand given as `layers` equal
// layers down to `depth`, each with `top` and `bottom` parameter lines.
#pragma once

#include <QString>
#include <string>

#include "tests/whole_files.h"

namespace keldra::studies::testing {

struct SandPile {
    double length = 10.0;  // m, in increments of 0.2 m
    double depth = 10.0;   // of the sand's bottom
    int layers = 1;
    std::string top = "10 0.0  35 0.0  24000 0 ";
    std::string bottom = "10 0.0  35 0.0  24000 0 ";
};

inline void WriteSandPile(const QString& file, const SandPile& pile) {
    const int nodes = static_cast<int>(pile.length / 0.2 + 0.5);
    std::string text = "Free-head pipe pile in uniform sand\r\n2 0\t1\t0\t2\t2 0 1 0 0\r\n" +
                       std::to_string(nodes) + " 0.2\t10\t1E-5\t0\t0.61\r\n0\t" +
                       std::to_string(nodes) +
                       "\t1\t212700\r\n1\r\n1\t0\t0\t300\t0\t0\r\n0\r\n"
                       "0\t0.61\t0.61\t100\t100\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n0\r\n" +
                       std::to_string(pile.layers) + "\r\n";
    for (int k = 1; k <= pile.layers; ++k) {
        char bottom[32];
        std::snprintf(bottom, sizeof bottom, "%.8g", pile.depth * k / pile.layers);
        text += "4 " + std::string(bottom) + " \r\n" + pile.top + "\r\n" + pile.bottom + "\r\n";
    }
    keldra::testing::WriteFile(file.toStdString(), text + "0\r\n");
}

}  // namespace keldra::studies::testing

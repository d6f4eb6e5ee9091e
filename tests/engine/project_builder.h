// Project data files for the tests, assembled record by record in the
// layout the desktop program writes (CR LF line ends). Counts in the control
// record follow the rows given.
#pragma once

#include <string>
#include <vector>

#include "engine_run.h"

namespace keldra::testing {

struct ProjectBuilder {
    std::string title = "Small test wall";
    int KUNIT = 1;
    int NINC = 10;
    std::string grid_rest = "12\t10\t1E-5\t60\t12";  // H, WMAX, TOL, HFREE, width
    std::vector<std::string> specified;              // A4 rows
    std::vector<std::string> stiffness = {"0\t10\t1\t1E9"};
    std::vector<std::string> loads;     // A6 rows
    std::vector<std::string> springs;   // A7 rows
    std::vector<std::string> tiebacks;  // A8 rows
    std::vector<std::string> pymod;     // A9 rows
    int KOUTPT = 0;
    std::vector<std::string> pressure;    // A10 rows
    std::vector<std::string> soil_block;  // A11, when earth pressure or p-y curves are generated
    int KPYOP = 0;
    std::vector<std::vector<std::string>> curves;     // A12: set line, then points
    std::vector<std::vector<std::string>> moment_ei;  // A13: set line, then points
    int NSTG = 1;
    int closing = 0;  // A14
    // Counts written instead of the number of rows given (-1: the rows).
    int NDS = -1, NPYMOD = -1, NUPY = -1, NMEI = -1, pressure_count = -1;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines = {title};
        lines.push_back(std::to_string(KUNIT) + " " + Count(NDS, specified.size()) + "\t" +
                        std::to_string(stiffness.size()) + "\t" + Count(NPYMOD, pymod.size()) +
                        "\t" + std::to_string(KOUTPT) + "\t" + std::to_string(KPYOP) + " " +
                        Count(NUPY, curves.size()) + " " + std::to_string(NSTG) + " " +
                        Count(NMEI, moment_ei.size()) + " " + std::to_string(tiebacks.size()));
        lines.push_back(std::to_string(NINC) + " " + grid_rest);
        Append(lines, specified);
        Append(lines, stiffness);
        Counted(lines, loads);
        Counted(lines, springs);
        Append(lines, tiebacks);
        Append(lines, pymod);
        if (KOUTPT == 1) {
            lines.push_back(Count(pressure_count, pressure.size()));
            Append(lines, pressure);
        }
        Append(lines, soil_block);
        for (const auto& set : curves) Append(lines, set);
        for (const auto& set : moment_ei) Append(lines, set);
        lines.push_back(std::to_string(closing));
        return lines;
    }
    std::string Text() const { return Crlf(Lines()); }

  private:
    static std::string Count(int given, std::size_t rows) {
        return std::to_string(given != -1 ? given : static_cast<int>(rows));
    }
    static void Append(std::vector<std::string>& lines, const std::vector<std::string>& rows) {
        lines.insert(lines.end(), rows.begin(), rows.end());
    }
    static void Counted(std::vector<std::string>& lines, const std::vector<std::string>& rows) {
        lines.push_back(std::to_string(rows.size()));
        Append(lines, rows);
    }
};

// A cantilever of 10 increments of 12 in loaded at the top, with two user
// p-y curves below the excavation at 60 in.
inline ProjectBuilder LoadedCantilever() {
    ProjectBuilder p;
    p.loads = {"1\t0\t0\t1000\t0\t0"};
    p.KPYOP = 1;
    p.curves = {{"5\t3\t1\t1", "-10\t5000", "0\t0", "10\t-5000"},
                {"10\t3\t1\t1", "-10\t20000", "0\t0", "10\t-20000"}};
    return p;
}

// English units: 60 increments of 6 in, 120 in free height, earth pressure
// and p-y curves generated for soft clay over sand over weak rock.
inline ProjectBuilder LayeredWall() {
    ProjectBuilder p;
    p.NINC = 60;
    p.grid_rest = "6\t10\t1E-5\t120\t12";
    p.stiffness = {"0\t60\t1\t29000000000"};
    p.KOUTPT = 2;
    p.KPYOP = 2;
    p.soil_block = {"120 48 12 180 180 1 0 0",
                    "0 0 0 0 0 0",
                    "0",
                    "3",
                    "1 180",
                    "0.065 3.5 0 0.02 100 0",
                    "0.065 3.5 0 0.02 100 0",
                    "4 300",
                    "0.07 0 34 0 60 0",
                    "0.07 0 34 0 60 0",
                    "7 500",
                    "0.08 1000 0 0.0005 100000 50",
                    "0.08 1000 0 0.0005 100000 50"};
    return p;
}

}  // namespace keldra::testing

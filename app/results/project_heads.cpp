#include "app/results/project_heads.h"

#include <cmath>
#include <sstream>
#include <string>

namespace keldra::results {

namespace {

// The values of a free-format record, separated by blanks, tabs or commas.
std::vector<std::string> Values(std::string line) {
    for (char& c : line)
        if (c == ',' || c == '\t' || c == '\r') c = ' ';
    std::istringstream words(line);
    std::vector<std::string> values;
    for (std::string word; words >> word;) values.push_back(word);
    return values;
}

// The control record lists the tieback rows tenth, after the unit system, the
// counts of restraint, stiffness and p-y modification rows, the earth-pressure
// and p-y options, the external curve sets, the stages and the M-EI sets.
constexpr std::size_t kTiebackCount = 9;
// The grid record: increments, increment length, allowable deflection,
// closure tolerance, free height, width.
constexpr std::size_t kIncrements = 0, kIncrementLength = 1, kFreeHeight = 4;
// Far beyond what the engine takes; only guards the conversion.
constexpr double kMostIncrements = 1e6;

ProjectHead HeadOf(const std::string& control, const std::string& grid) {
    ProjectHead head;
    const std::vector<std::string> counts = Values(control), wall = Values(grid);
    if (wall.size() <= kFreeHeight) return head;
    const Figure increments = ReadFigure(wall[kIncrements]);
    if (!increments.known() || increments.value < 1 || increments.value > kMostIncrements ||
        increments.value != std::floor(increments.value)) {
        return head;
    }
    head.increments = static_cast<int>(increments.value);
    head.increment_length = ExactFigure(ReadFigure(wall[kIncrementLength]).value);
    head.free_height = ExactFigure(ReadFigure(wall[kFreeHeight]).value);
    if (counts.size() > kTiebackCount) {
        const Figure tiebacks = ReadFigure(counts[kTiebackCount]);
        if (tiebacks.known() && tiebacks.value >= 0 && tiebacks.value <= kMostIncrements)
            head.tiebacks = static_cast<int>(tiebacks.value);
    }
    return head;
}

}  // namespace

std::vector<ProjectHead> ReadProjectHeads(std::istream& project) {
    std::vector<std::string> lines;
    for (std::string line; std::getline(project, line);) lines.push_back(line);
    std::vector<ProjectHead> heads;
    for (std::size_t n = 0; n + 2 < lines.size(); ++n) {
        if (n == 0 || lines[n].find(" Stage No :") != std::string::npos)
            heads.push_back(HeadOf(lines[n + 1], lines[n + 2]));
    }
    return heads;
}

}  // namespace keldra::results

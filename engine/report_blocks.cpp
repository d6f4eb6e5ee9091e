#include "engine/report_blocks.h"

#include "engine/fixed_line.h"

namespace keldra {

namespace {
constexpr std::string_view kStars = "**************************************************";
static_assert(kStars.size() == 50);
}  // namespace

void WriteBoxedTitle(OutputFile& report, std::string_view title) {
    WriteEmptyLine(report);
    WriteEmptyLine(report);
    FixedLine().X(6).Text(kStars).WriteTo(report);
    FixedLine().X(6).Text(title).WriteTo(report);
    FixedLine().X(6).Text(kStars).WriteTo(report);
}

void WriteEmptySection(OutputFile& report) {
    WriteEmptyLine(report);
    FixedLine().X(20).WriteTo(report);
}

}  // namespace keldra

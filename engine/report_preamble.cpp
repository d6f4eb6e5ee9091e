#include "engine/report_preamble.h"

#include <cstring>
#include <ctime>
#include <string_view>

#include "engine/fixed_line.h"

namespace keldra {

namespace {

constexpr std::string_view kEquals =
    "=========================================================================";
constexpr std::string_view kHyphens =
    "-------------------------------------------------------------------------";
static_assert(kEquals.size() == 73 && kHyphens.size() == 73);

constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

// A path split at its last separator; a Windows drive ("C:") stands apart.
struct PathParts {
    std::string_view drive, directory, file;  // file = name and extension
};

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        path.remove_prefix(2);
    }
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string_view::npos) {
        parts.file = path;
    } else {
        parts.directory = path.substr(0, slash + 1);
        parts.file = path.substr(slash + 1);
    }
    return parts;
}

void WriteBanner(EngineState& s) {
    OutputFile& report = s.files.report;
    FixedLine().X(5).Text(kEquals).WriteTo(report);
    WriteEmptyLine(report);
    FixedLine()
        .X(20)
        .Text("  KELDRA for Windows, Version ")
        .A(kVersionLength, s.run.version)
        .WriteTo(report);
    WriteEmptyLine(report);
    FixedLine().X(20).Text("   A Program for the Analysis of ").WriteTo(report);
    FixedLine().X(20).Text("   Flexible Retaining Walls ").WriteTo(report);
    WriteEmptyLine(report);
    FixedLine().X(5).Text(kEquals).WriteTo(report);
    WriteEmptyLine(report);
    WriteEmptyLine(report);
}

void WriteFileLines(EngineState& s) {
    OutputFile& report = s.files.report;
    const PathParts data = SplitPath(s.run.paths[0]);
    FixedLine()
        .X(5)
        .Text("Path to file locations      : ")
        .Text(data.drive)
        .Text(data.directory)
        .WriteTo(report);
    FixedLine().X(5).Text("Name of input data file     : ").Text(data.file).WriteTo(report);
    FixedLine()
        .X(5)
        .Text("Name of output file         : ")
        .Text(SplitPath(s.run.paths[1]).file)
        .WriteTo(report);
    FixedLine()
        .X(5)
        .Text("Name of plot output file    : ")
        .Text(SplitPath(s.run.paths[2]).file)
        .WriteTo(report);
    WriteEmptyLine(report);
}

void WriteDateBlock(EngineState& s) {
    OutputFile& report = s.files.report;
    FixedLine().X(5).Text(kHyphens).WriteTo(report);
    FixedLine().X(26).Text("Time and Date of Analysis").WriteTo(report);
    FixedLine().X(5).Text(kHyphens).WriteTo(report);
    WriteEmptyLine(report);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr || local.tm_mon < 0 || local.tm_mon > 11) return;
    // clang-format off
    FixedLine()
        .X(15).Text("Date:  ").Text(kMonths[local.tm_mon]).X(1).I(2, local.tm_mday, 2)
        .Text(", ").I(4, local.tm_year + 1900, 4)
        .X(5).Text("Time:  ").I(2, local.tm_hour, 2).Text(":").I(2, local.tm_min, 2)
        .Text(":").I(2, local.tm_sec, 2)
        .WriteTo(report);
    // clang-format on
}

}  // namespace

void WritePreamble(EngineState& s) {
    WriteBanner(s);
    WriteFileLines(s);
    WriteDateBlock(s);
    WriteStageHeader(s);
}

void WriteStageHeader(EngineState& s) {
    OutputFile& report = s.files.report;
    WriteEmptyLine(report);
    if (s.control.NSTG > 1) {
        FixedLine()
            .X(6)
            .Text("Stage No :")
            .I(2, s.run.NPROB)
            .X(2)
            .Text(s.run.TITLE1)
            .WriteTo(report);
    } else if (s.run.NPROB == 1) {
        FixedLine().X(6).Text(s.run.TITLE).WriteTo(report);
    } else {
        FixedLine().X(6).Text("Long Term :").X(2).Text(s.run.TITLE1).WriteTo(report);
    }
}

}  // namespace keldra

// Every example project and every project of the engine's test data, run
// whole: the report (its folder and date lines masked), the plot data, the run
// notes and the scratch files the run leaves behind must equal the files kept
// under tests/engine/golden/<project>/ byte for byte. A scratch file the run
// does not write must be absent there too.
//
// After a deliberate change of the output, KELDRA_WRITE_GOLDEN=1 writes the
// files afresh from the current engine instead of comparing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/generation.h"
#include "engine/torval_file.h"
#include "engine_run.h"

namespace keldra {

namespace {

namespace fs = std::filesystem;

const fs::path kSource = KELDRA_SOURCE_DIR;
const fs::path kGolden = kSource / "tests" / "engine" / "golden";

std::vector<fs::path> Projects() {
    std::vector<fs::path> projects;
    for (const fs::path& folder : {kSource / "examples", kSource / "tests" / "engine" / "data"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".kd5d") projects.push_back(entry.path());
        }
    }
    std::sort(projects.begin(), projects.end());
    return projects;
}

std::optional<std::string> ReadIfPresent(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    return testing::ReadFile(path);
}

// Where two texts first differ, by line, or empty when they are equal.
std::string FirstDifference(const std::string& actual, const std::string& expected) {
    if (actual == expected) return {};
    const auto [a, e] =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto line_start = [](const std::string& text, std::string::const_iterator at) {
        const std::size_t offset = static_cast<std::size_t>(at - text.begin());
        const std::size_t newline = offset == 0 ? std::string::npos : text.rfind('\n', offset - 1);
        return newline == std::string::npos ? 0 : newline + 1;
    };
    const auto line_at = [](const std::string& text, std::size_t start) {
        return text.substr(start, text.find('\n', start) - start);
    };
    const std::size_t start = line_start(actual, a);
    const long line =
        std::count(actual.begin(), actual.begin() + static_cast<long>(start), '\n') + 1;
    return "first difference in line " + std::to_string(line) + "\n  written: [" +
           line_at(actual, start) + "]\n  golden:  [" + line_at(expected, line_start(expected, e)) +
           "]\n  sizes " + std::to_string(actual.size()) + " and " +
           std::to_string(expected.size());
}

struct Output {
    const char* name;
    std::optional<std::string> text;  // nothing: the run did not write it
};

void WriteGolden(const fs::path& folder, const Output& output) {
    fs::create_directories(folder);
    if (output.text) {
        testing::WriteFile(folder / output.name, *output.text);
    } else {
        fs::remove(folder / output.name);
    }
}

void ExpectGolden(const fs::path& folder, const Output& output) {
    const std::optional<std::string> golden = ReadIfPresent(folder / output.name);
    ASSERT_EQ(output.text.has_value(), golden.has_value())
        << output.name
        << (output.text ? " written but not in the golden files"
                        : " in the golden files but not written");
    if (output.text) {
        EXPECT_EQ(FirstDifference(*output.text, *golden), "") << output.name;
    }
}

class Golden : public ::testing::TestWithParam<fs::path> {};

}  // namespace

TEST_P(Golden, OutputsEqualTheKeptFilesByteForByte) {
    const fs::path& project = GetParam();
    testing::EngineRun run;
    const testing::RunOutput out = run.Run(testing::ReadFile(project));
    EXPECT_EQ(out.outputs, RunOutputs::kComplete);
    const Output outputs[] = {
        {"report.kd5o", testing::MaskedReport(out.report)},
        {"plot.kd5p", out.plot},
        {"notes.kd5r", out.notes},
        {kTorvalFileName, ReadIfPresent(run.dir() / kTorvalFileName)},
        {kSoilDataFileName, ReadIfPresent(run.dir() / kSoilDataFileName)},
    };
    const fs::path folder = kGolden / project.stem();
    const char* write = std::getenv("KELDRA_WRITE_GOLDEN");
    for (const Output& output : outputs) {
        if (write != nullptr && std::string(write) == "1") {
            WriteGolden(folder, output);
        } else {
            ExpectGolden(folder, output);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Projects, Golden, ::testing::ValuesIn(Projects()),
                         [](const auto& test) { return test.param.stem().string(); });

}  // namespace keldra

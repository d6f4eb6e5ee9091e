// The subdivision check as keldra-run prints it, against projects split by
// hand and run through keldra-run.
#include "app/studies/subdivision_check.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "app/results/results_summary.h"
#include "app/studies/subdivision_text.h"
#include "tests/app/studies/sand_pile.h"
#include "tests/whole_files.h"

namespace keldra::studies {
namespace {

using testing::SandPile;
using testing::WriteSandPile;

QString Example(const char* name) {
    return QStringLiteral(KELDRA_SOURCE_DIR "/examples/%1").arg(QLatin1String(name));
}

// What keldra-run prints for the projects.
std::string RunKeldraRun(const QTemporaryDir& dir, const std::string& arguments) {
    const std::string output = dir.filePath(QStringLiteral("out.txt")).toStdString();
    const std::string command =
        KELDRA_BIN_DIR "/keldra-run " + arguments + " > " + output + " 2>&1";
    EXPECT_GE(std::system(command.c_str()), 0);
    return keldra::testing::ReadFile(output);
}

results::ResultsSummary SummaryOf(const QString& project) {
    const QString stem = project.chopped(5);
    return results::SummariseFiles(
        {(stem + ".kd5o").toStdString(), (stem + ".kd5p").toStdString(), project.toStdString()});
}

std::string Quoted(const QString& file) { return "'" + file.toStdString() + "'"; }

// A one-layer sand pile of 10 m and a sand pile of 20 m in two layers: the
// check's change is the change to the same pile split by hand. The layer
// depths are exact in both files: a curve at a quarter point that falls on
// half an increment goes to the node its last digit rounds it to, so that
// 3.3333334 m and 3.3333333 m give answers 1 % apart.
TEST(SubdivisionCheck, PercentagesAreThoseOfTheProjectSplitByHand) {
    const SandPile piles[] = {{}, {.length = 20.0, .depth = 20.0, .layers = 2}};
    for (const SandPile& pile : piles) {
        const QTemporaryDir dir;
        const QString given = dir.filePath(QStringLiteral("given.kd5d"));
        const QString by_hand = dir.filePath(QStringLiteral("by_hand.kd5d"));
        WriteSandPile(given, pile);
        SandPile split = pile;
        split.layers *= 2;
        WriteSandPile(by_hand, split);
        (void)RunKeldraRun(dir, "--no-subdivision-check " + Quoted(by_hand));
        const std::string output = RunKeldraRun(dir, Quoted(given));
        const results::ProblemSummary a = SummaryOf(given).problems.at(0);
        const results::ProblemSummary b = SummaryOf(by_hand).problems.at(0);
        auto change = [](const results::Quantity& from, const results::Quantity& to) {
            return PercentText((to.figure.value - from.figure.value) /
                               std::fabs(from.figure.value) * 100.0);
        };
        const std::string line =
            "    Subdivision check: splitting every soil layer in two changes the top "
            "deflection by " +
            change(a.top_deflection, b.top_deflection) + " and the maximum moment by " +
            change(a.moment.value, b.moment.value) + "\n";
        EXPECT_NE(output.find(line), std::string::npos) << line << output;
    }
}

// Measured: the 10 m pile changes by -20 % and -14 %, the anchored wall in
// stiff clay by less than 1 %.
TEST(SubdivisionCheck, WarnsForTheOneLayerSandPileAndNotForTheClayWall) {
    const QTemporaryDir dir;
    const QString pile = dir.filePath(QStringLiteral("pile.kd5d"));
    const QString clay = dir.filePath(QStringLiteral("clay.kd5d"));
    WriteSandPile(pile, {});
    ASSERT_TRUE(QFile::copy(Example("clay_generated.kd5d"), clay));
    const std::string output = RunKeldraRun(dir, Quoted(pile) + " " + Quoted(clay));
    const std::string sand =
        "    Subdivision check: splitting every soil layer in two changes the top deflection by "
        "-20 % and the maximum moment by -14 %\n"
        "    Warning: the results depend on how the soil is split into layers by more than "
        "10 %. The p-y curves of layer 1 (Sand) lie 4.1 wall widths apart near the top. Use "
        "thinner layers.\n";
    EXPECT_NE(output.find(sand), std::string::npos) << output;
    EXPECT_NE(output.find("    Subdivision check: splitting every soil layer in two changes the "
                          "top deflection by 0 % and the maximum moment by 0 %\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(output.find("Warning"), output.rfind("Warning")) << output;
}

TEST(SubdivisionCheck, SaysWhenItDoesNotApplyAndWhenItSplitsOnlySomeLayers) {
    const QTemporaryDir dir;
    const QString seven = dir.filePath(QStringLiteral("seven.kd5d"));
    const QString ten = dir.filePath(QStringLiteral("ten.kd5d"));
    const QString user = dir.filePath(QStringLiteral("user.kd5d"));
    WriteSandPile(seven, {.layers = 7});
    WriteSandPile(ten, {.layers = 10});
    ASSERT_TRUE(QFile::copy(Example("cantilever_user_curves.kd5d"), user));
    const std::string output =
        RunKeldraRun(dir, Quoted(seven) + " " + Quoted(ten) + " " + Quoted(user));
    for (const char* line :
         {"    Subdivision check: splitting the 3 thickest of the 7 soil layers in two (a project "
          "holds at most 10 layers) changes the top deflection by ",
          "    Subdivision check: not applicable (the soil-layer table has no room for more "
          "layers)\n",
          "    Subdivision check: not applicable (the problem has user-specified p-y curves)\n"})
        EXPECT_NE(output.find(line), std::string::npos) << line << output;
    EXPECT_EQ(RunKeldraRun(dir, "--no-subdivision-check " + Quoted(seven)).find("Subdivision"),
              std::string::npos);
}

}  // namespace
}  // namespace keldra::studies

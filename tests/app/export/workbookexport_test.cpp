#include "app/export/workbookexport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <limits>

#include "app/export/exporterror.h"
#include "app/export/zipentries.h"
#include "app/graphs/graphplot.h"
#include "tests/app/main/qtprint.h"

namespace {

// A depth graph of `curves` curves with two points each.
void fill(TGraphPlot& graph, int curves) {
    graph.Caption = "Deflection vs Depth";
    graph.CurveName = "Load #";
    graph.SetLineCount(TCurveList::Lines, curves);
    graph.SetPointCount(TCurveList::Lines, 2);
    for (TLine& curve : graph.Lines()) curve.Points = {{0.5, 0.0}, {0.25, 10.0}};
}

QByteArray part(const QString& workbook, const QByteArray& name) {
    for (const TZipEntry& entry : ReadZipEntries(workbook))
        if (entry.name == name) return entry.data;
    return {};
}

QByteArray contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& fileName, const QByteArray& data) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QStringList filesIn(const QTemporaryDir& folder) {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

void expectExportError(const std::vector<const TGraphPlot*>& graphs, const QString& fileName,
                       const QString& reason) {
    try {
        ExportPlotsToWorkbook(graphs, fileName);
        ADD_FAILURE() << "no error for " << fileName.toStdString();
    } catch (const EExportError& error) {
        EXPECT_EQ(error.message(), QString("The plots could not be exported to \"%1\".\n%2")
                                       .arg(QDir::toNativeSeparators(fileName), reason));
    }
}

}  // namespace

TEST(ExportPlotsToWorkbook, ReplacesAnOlderFileAndLeavesNothingBeside) {
    QTemporaryDir folder;
    const QString target = folder.filePath("Wall-plots.xlsx");
    write(target, "an older workbook");
    TGraphPlot graph;
    fill(graph, 2);
    ExportPlotsToWorkbook({&graph}, target);
    EXPECT_TRUE(contents(target).startsWith("PK"));
    EXPECT_EQ(filesIn(folder), QStringList{"Wall-plots.xlsx"});
    EXPECT_EQ(QFile::permissions(target) & (QFile::ReadOther | QFile::WriteOther),
              QFile::ReadOther);
    EXPECT_TRUE(part(target, "xl/worksheets/sheet2.xml").contains("<c r=\"C4\" t=\"s\">"));
}

TEST(ExportPlotsToWorkbook, FailureKeepsTheOlderFileAndLeavesNoDraft) {
    QTemporaryDir folder;
    const QString target = folder.filePath("Wall-plots.xlsx");
    write(target, "an older workbook");
    TGraphPlot good, empty, wide;
    fill(good, 1);
    empty.Caption = "Earth Pressure Combined";
    fill(wide, 352);
    expectExportError({&good, &empty}, target, "\"Earth Pressure Combined\" has no curves.");
    expectExportError({&wide}, target,
                      "\"Deflection vs Depth\" has 352 curves; a worksheet takes 351 at most.");
    EXPECT_EQ(contents(target), "an older workbook");
    EXPECT_EQ(filesIn(folder), QStringList{"Wall-plots.xlsx"});
}

TEST(ExportPlotsToWorkbook, AFolderThatDoesNotExistIsNamed) {
    QTemporaryDir folder;
    const QString missing = folder.filePath("gone");
    TGraphPlot graph;
    fill(graph, 1);
    expectExportError({&graph}, missing + "/Wall-plots.xlsx",
                      QString("The folder \"%1\" does not take new files: No such file or "
                              "directory.")
                          .arg(missing));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST(ExportPlotsToWorkbook, ValuesAreNumbersAsASpreadsheetHoldsThem) {
    QTemporaryDir folder;
    const QString target = folder.filePath("values.xlsx");
    TGraphPlot graph;
    fill(graph, 1);
    // 0.1 + 0.2 has 17 significant digits; a cell keeps 15. A value that is not finite has no
    // number cell and is kept as text.
    graph.Lines()[0].Points = {{0.1 + 0.2, 1.0}, {std::numeric_limits<double>::infinity(), 2.0}};
    ExportPlotsToWorkbook({&graph}, target);
    const QByteArray sheet = part(target, "xl/worksheets/sheet2.xml");
    EXPECT_TRUE(sheet.contains("<c r=\"A6\"><v>0.3</v></c>")) << sheet.data();
    EXPECT_TRUE(sheet.contains("<c r=\"A7\" t=\"s\">")) << sheet.data();
    EXPECT_TRUE(part(target, "xl/sharedStrings.xml").contains("<t>inf</t>"));
}

TEST(ExportPlotsToWorkbook, CurvesWithoutPointsAndFormulaLikeNamesStillChart) {
    QTemporaryDir folder;
    const QString target = folder.filePath("empty.xlsx");
    TGraphPlot graph;
    fill(graph, 1);
    graph.SetPointCount(TCurveList::Lines, 0);
    graph.Lines()[0].Name = "=A1+1";
    ExportPlotsToWorkbook({&graph}, target);
    const QByteArray chart = part(target, "xl/charts/chart1.xml");
    // The name comes from its cell, the values from one empty row.
    EXPECT_TRUE(chart.contains("<c:tx><c:strRef><c:f>Page_1!$A$4</c:f>")) << chart.data();
    EXPECT_TRUE(chart.contains("<c:f>Page_1!$B$6:$B$6</c:f>")) << chart.data();
    EXPECT_TRUE(part(target, "xl/sharedStrings.xml").contains("<t>=A1+1</t>"));
}

#include "app/tables/chartreader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/tables/formdescription.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "app/tables/tableerror.h"

namespace {

QStringList goodLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << QStringLiteral("%1 %2").arg(i).arg(10 * i);
    return lines;
}

class ChartReaderTest : public ::testing::Test {
  protected:
    TGridTable& curve() { return *tables.table(TableName::PYCurves2).subTable(1, 0); }
    TGridTable& moments() { return *tables.table(TableName::MEICurves2).subTable(2, 0); }
    TProjectTables tables;
};

}  // namespace

TEST(ChartReader, SplitsLinesIntoNumbers) {
    struct Case {
        const char* line;
        QList<double> numbers;
    };
    const Case cases[] = {
        {"-1 -100", {-1, -100}},
        {"  0.5\t20", {0.5, 20}},
        {"1,5", {1, 5}},
        {"1, 5", {1, 5}},
        {"1,,5", {1}},
        {"1 2 ", {1, 2}},
        {"1 2\r", {1, 2}},
        {"Deflection Resistance", {}},
        {"1 x 2", {1}},
        {"2.5E-3 1e4", {0.0025, 10000}},
        {"", {}},
        {"1 inf", {1}},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TChartReader::splitNumbers(c.line, QLocale::c()), c.numbers) << c.line;
    EXPECT_EQ(TChartReader::splitNumbers("1,5", QLocale(QLocale::German)), (QList<double>{1, 5}));
    EXPECT_EQ(TChartReader::splitNumbers("1.5 2", QLocale(QLocale::German)), QList<double>{});
}

TEST(ChartReader, CutsClipboardTextAtCarriageReturns) {
    EXPECT_EQ(TChartReader::linesOfClipboardText("1 2\r\n3 4\r\n"), (QStringList{"1 2", "3 4"}));
    EXPECT_EQ(TChartReader::linesOfClipboardText("1 2\r\n3 4"), QStringList{"1 2"});
    EXPECT_EQ(TChartReader::linesOfClipboardText("1 2\r3 4\r"), QStringList{"1 2"});
    EXPECT_EQ(TChartReader::linesOfClipboardText("1 2\n3 4\n"), QStringList{});
}

TEST_F(ChartReaderTest, SkipsHeadingsAndAddsRows) {
    EXPECT_EQ(TChartReader::fill(curve(), {"Deflection Resistance", "-1 -100", "0 0", "1 100"},
                                 QLocale::c()),
              3);
    ASSERT_EQ(curve().rowCount(), 3);
    EXPECT_EQ(curve().real(0, 0), -1);
    EXPECT_EQ(curve().real(1, 0), -100);
    EXPECT_EQ(curve().real(1, 2), 100);
}

TEST_F(ChartReaderTest, DeletesRowsAfterTheFilledOnes) {
    EXPECT_EQ(TChartReader::fill(curve(), {"0.5 20", "1 2 3", "7"}, QLocale::c()), 1);
    ASSERT_EQ(curve().rowCount(), 1);
    EXPECT_EQ(curve().real(0, 0), 0.5);
    EXPECT_EQ(curve().real(1, 0), 20);
    curve().ensureMinRows();  // as when its window is shown again
    EXPECT_EQ(curve().rowCount(), 2);

    curve().setReal(0, 0, 9);
    EXPECT_EQ(TChartReader::fill(curve(), {"heading only", ""}, QLocale::c()), 0);
    EXPECT_EQ(curve().rowCount(), 2);
    EXPECT_EQ(curve().real(0, 0), 9);
}

TEST_F(ChartReaderTest, StopsAtMaxRows) {
    EXPECT_EQ(TChartReader::fill(curve(), goodLines(120), QLocale::c()), 17);
    EXPECT_EQ(curve().rowCount(), 17);
    EXPECT_EQ(TChartReader::fill(moments(), goodLines(120), QLocale::c()), 100);
    EXPECT_EQ(moments().rowCount(), 100);
    EXPECT_EQ(moments().real(1, 99), 990);
}

TEST_F(ChartReaderTest, PastedLinesWithAndWithoutTheFinalBreak) {
    EXPECT_EQ(TChartReader::fill(curve(), TChartReader::linesOfClipboardText("1 2\r\n3 4\r\n"),
                                 QLocale::c()),
              2);
    EXPECT_EQ(curve().real(0, 1), 3);
    EXPECT_EQ(TChartReader::fill(moments(), TChartReader::linesOfClipboardText("1 2\r\n3 4"),
                                 QLocale::c()),
              1);
    EXPECT_EQ(moments().rowCount(), 1);
}

TEST_F(ChartReaderTest, ReadsFilesAndReportsMissingOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("curve.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("y p\r\n-1 -100\r\n0 0\n1 100\r2 150\r\n");
    file.close();
    EXPECT_EQ(TChartReader::fill(curve(), TChartReader::linesOfFile(path), QLocale::c()), 4);
    EXPECT_EQ(curve().real(1, 3), 150);
    EXPECT_THROW((void)TChartReader::linesOfFile(dir.filePath("missing.txt")), ETableError);
}

TEST(ChartReader, AValueThatFailsValidationEndsTheReading) {
    TTableRegistry registry;
    TGridTable table(registry);
    table.addColumn(TColumnDefinition::integer({"Node"}, 0, 0, 10));
    table.addColumn(TColumnDefinition::real({"Value"}));
    table.setRowCount(3);
    QString message;
    try {
        (void)TChartReader::fill(table, {"1 5", "11 6", "2 7"}, QLocale::c());
    } catch (const ETableError& error) {
        message = error.message();
    }
    EXPECT_EQ(message, "Entry must be between 0 and 10.");
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.integer(0, 0), 1);
    EXPECT_EQ(table.real(1, 0), 5);
}

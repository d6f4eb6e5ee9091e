#include "app/forms/tablechartform.h"

#include <gtest/gtest.h>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QImage>
#include <QLineSeries>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/forms/chartdata.h"
#include "app/tables/formdescription.h"
#include "app/tables/gridtablechart.h"
#include "tests/app/dialogs/windowfixture.h"

namespace {

struct TableChartForm : ::testing::Test {
    TWindowFixture f;
    QTemporaryDir folder;

    // The external p-y curve of the first curve set: two rows of zeros.
    [[nodiscard]] TGridTableChart& curve() const {
        return static_cast<TGridTableChart&>(*f.table(TableName::PYCurves2).subTable(1, 0));
    }
    [[nodiscard]] TGridTableChart& momentEI() const {
        return static_cast<TGridTableChart&>(*f.table(TableName::MEICurves2).subTable(2, 0));
    }
    TTableChartForm* show(TGridTableChart& table) {
        return static_cast<TTableChartForm*>(f.show(table));
    }
    QString writeFile(const QString& text) {
        const QString path = folder.filePath("curve.txt");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return path;
    }
    void setRows(TGridTableChart& table, const QList<QPointF>& rows) {
        table.setRowCount(rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            table.setReal(0, r, rows[r].x());
            table.setReal(1, r, rows[r].y());
        }
    }
};

TEST(ChartLabels, FormatFollowsTheMagnitudesOnTheAxis) {
    struct Case {
        double smallest, largest;
        QString format;
    } cases[] = {
        {0, 0, kFixedLabels},
        {-100, 5000, kFixedLabels},
        {1e9, 2.5e10, kScientificLabels},
        {0, 100001, kScientificLabels},
        {1e-4, 5e-4, kScientificLabels},
        {0, 5e-4, kScientificLabels},
        {1e-4, 0.002, kFixedLabels},
    };
    for (const Case& c : cases)
        EXPECT_EQ(labelFormatFor(c.smallest, c.largest), c.format)
            << c.smallest << " " << c.largest;
}

TEST(ChartLabels, PatternsReadAsStated) {
    const QLocale c(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(formatLabel(1234.5, kFixedLabels, c), "1,234.5");
    EXPECT_EQ(formatLabel(0.12345, kFixedLabels, c), "0.123");
    EXPECT_EQ(formatLabel(-3, kFixedLabels, c), "-3");
    EXPECT_EQ(formatLabel(2.5e10, kScientificLabels, c), "2.5E10");
    EXPECT_EQ(formatLabel(1.25e-4, kScientificLabels, c), "1.25E-4");
    EXPECT_EQ(formatLabel(2e10, kScientificLabels, c), "2.0E10");
    EXPECT_EQ(formatLabel(12345.6, kWholeLabels, c), "12,346");
}

TEST_F(TableChartForm, NewCurveIsConstantWithAFixedZeroRange) {
    const TChartData data = chartData(curve());
    EXPECT_TRUE(data.vertical.fixedRange);
    EXPECT_EQ(data.vertical.minimum, 0.0);
    EXPECT_EQ(data.vertical.maximum, 0.0);
    EXPECT_EQ(data.series1.size(), 2);
    EXPECT_FALSE(data.secondSeries);
    EXPECT_FALSE(data.legendVisible);
}

TEST_F(TableChartForm, ConstantResistanceGetsARangeAroundItsValue) {
    setRows(curve(), {{-1, 50}, {0, 50}, {1, 50}});
    const TChartData data = chartData(curve());
    EXPECT_TRUE(data.vertical.fixedRange);
    EXPECT_DOUBLE_EQ(data.vertical.minimum, 45);
    EXPECT_DOUBLE_EQ(data.vertical.maximum, 55);
    EXPECT_DOUBLE_EQ(data.series1[1].y(), 50.05);  // the second point is lifted

    setRows(curve(), {{0, 50}});
    EXPECT_FALSE(chartData(curve()).vertical.fixedRange);
}

TEST_F(TableChartForm, ChartShowsTheStoredCurveInAscendingDeflection) {
    setRows(curve(), {{1, -100}, {-1, 100}, {0, 0}});
    TTableChartForm* form = show(curve());
    ASSERT_NE(form->chartView(), nullptr);
    QChart* chart = form->chartView()->chart();
    ASSERT_EQ(chart->series().size(), 1);
    auto* series = static_cast<QLineSeries*>(chart->series().first());
    EXPECT_EQ(series->points(), QList<QPointF>({{-1, 100}, {0, 0}, {1, -100}}));
    EXPECT_EQ(series->pen().color(), QColor(Qt::red));
    EXPECT_FALSE(chart->legend()->isVisible());
    auto* horizontal = static_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).first());
    auto* vertical = static_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).first());
    EXPECT_EQ(horizontal->titleText(), "Lateral Deflection, y (*) (in)  ");
    EXPECT_EQ(vertical->titleText(), "Soil Resistance, p (lbs/in)  ");
    EXPECT_FALSE(horizontal->isReverse());
}

TEST_F(TableChartForm, LargeRigiditiesAreLabelledInScientificFormat) {
    setRows(momentEI(), {{1000, 2.5e10}, {3500, 2e10}, {6000, 1.5e10}});
    TTableChartForm* form = show(momentEI());
    QChart* chart = form->chartView()->chart();
    auto* vertical = static_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).first());
    auto* horizontal = static_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).first());
    EXPECT_TRUE(vertical->categoriesLabels().contains("2.0E10"));
    EXPECT_TRUE(horizontal->categoriesLabels().contains(formatLabel(2000, kFixedLabels)));
}

TEST_F(TableChartForm, AtMostFiveRowsShowWithTheChart) {
    curve().setRowCount(9);
    EXPECT_EQ(show(curve())->rowsShown(), 5);
}

TEST_F(TableChartForm, ReadingAFileSkipsHeadingsAndAddsRows) {
    TTableChartForm* form = show(curve());
    EXPECT_FALSE(form->readButton()->isEnabled());
    form->fileNameEdit()->setText(writeFile("Deflection Resistance\n-1 -100\n0 0\n1,100\n"));
    EXPECT_TRUE(form->readButton()->isEnabled());
    form->readButton()->click();
    ASSERT_EQ(curve().rowCount(), 3);
    EXPECT_EQ(curve().real(0, 0), -1.0);
    EXPECT_EQ(curve().real(1, 0), -100.0);
    EXPECT_EQ(curve().real(1, 2), 100.0);
    EXPECT_EQ(form->grid()->rowCount(), 3);
    auto* series = static_cast<QLineSeries*>(form->chartView()->chart()->series().first());
    EXPECT_EQ(series->count(), 3);
}

TEST_F(TableChartForm, ASingleLineLeavesOneRowUntilTheWindowOpensAgain) {
    TTableChartForm* form = show(curve());
    form->fileNameEdit()->setText(writeFile("0.5 20\n1 2 3\n"));
    form->readFromFile();
    EXPECT_EQ(curve().rowCount(), 1);
    EXPECT_EQ(curve().real(1, 0), 20.0);
    form->close();
    QApplication::processEvents();
    show(curve());
    EXPECT_EQ(curve().rowCount(), 2);
}

TEST_F(TableChartForm, ReadingStopsAtMaxRows) {
    QString lines;
    for (int i = 0; i < 120; ++i) lines += QString("%1 %2\n").arg(i).arg(i * 10);
    const QString path = writeFile(lines);
    for (TGridTableChart* table : {&curve(), &momentEI()}) {
        TTableChartForm* form = show(*table);
        form->fileNameEdit()->setText(path);
        form->readFromFile();
        EXPECT_EQ(table->rowCount(), table->maxRows());
    }
    EXPECT_EQ(curve().rowCount(), 17);
    EXPECT_EQ(momentEI().rowCount(), 100);
}

TEST_F(TableChartForm, PastedLinesNeedTheirLineBreak) {
    TTableChartForm* form = show(curve());
    QApplication::clipboard()->setText("1 2\r\n3 4\r\n");
    form->clipboardButton()->click();
    EXPECT_EQ(curve().rowCount(), 2);
    EXPECT_EQ(curve().real(0, 1), 3.0);

    QApplication::clipboard()->setText("5 6\r\n7 8");
    form->pasteFromClipboard();
    EXPECT_EQ(curve().rowCount(), 1);
    EXPECT_EQ(curve().real(1, 0), 6.0);
    EXPECT_EQ(form->clipboardButton()->text(), "Paste values from  Clipboard (text)");
}

TEST_F(TableChartForm, PastingWithoutTextChangesNothing) {
    TTableChartForm* form = show(curve());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QApplication::clipboard()->setImage(picture);
    form->pasteFromClipboard();
    EXPECT_EQ(f.log.messages, QStringList{"There is no text on the Clipboard"});
    EXPECT_EQ(curve().rowCount(), 2);
}

TEST_F(TableChartForm, BrowsePutsTheChosenFileIntoTheField) {
    TTableChartForm* form = show(curve());
    const QString path = writeFile("1 2\n");
    f.prompts.fileNames = {path};
    form->browseButton()->click();
    EXPECT_EQ(form->fileNameEdit()->text(), path);
    EXPECT_TRUE(form->editButton()->isEnabled());
}

TEST_F(TableChartForm, CurveSetsOpenTheirCurvesFromTheRowButtons) {
    TGridTable& sets = f.table(TableName::PYCurves2);
    TTableForm* form = f.show(sets);
    EXPECT_EQ(form->rowsShown(), 2);  // no chart of the sets themselves
    auto* button = qobject_cast<QPushButton*>(form->cellControl(1, 1));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "2: External p-y Curve");
    button->click();
    TTableForm* curveForm = f.tableWindows().windowOf(*sets.subTable(1, 1));
    ASSERT_NE(curveForm, nullptr);
    EXPECT_EQ(curveForm->windowTitle(), "External p-y Curve  2");
}

}  // namespace

namespace {

TEST_F(TableChartForm, SegmentDrawingStandsInsteadOfTheChart) {
    TGridTableChart segments(f.tables.chartRegistry());
    for (const char* title : {"x1", "y1", "x2", "y2"})
        segments.addColumn(TColumnDefinition::real({title}));
    TGraphicParameters graphic;
    graphic.showGraph = true;
    graphic.drawSegments = true;
    graphic.x2Column = 2;
    graphic.yColumn = 1;
    graphic.y2Column = 3;
    segments.setGraphicParameters(graphic);
    segments.setRowCount(7);
    TTableChartForm* form = show(segments);
    EXPECT_EQ(form->chartView(), nullptr);
    ASSERT_NE(form->segmentView(), nullptr);
    EXPECT_EQ(form->rowsShown(), 7);  // without chart up to ten rows show
}

}  // namespace

#include "app/export/legendframe.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kShape =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
    "<a:ln><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";

}  // namespace

TEST(FramedLegend, ShapeGoesAfterTheLayoutAndBeforeTheTextProperties) {
    const struct {
        QByteArray chart;
        QByteArray framed;
    } cases[] = {
        {"<c:chart><c:legend><c:legendPos val=\"r\"/><c:layout/></c:legend></c:chart>",
         "<c:chart><c:legend><c:legendPos val=\"r\"/><c:layout/>" + kShape +
             "</c:legend></c:chart>"},
        {"<c:legend><c:layout/><c:txPr><a:bodyPr/></c:txPr></c:legend>",
         "<c:legend><c:layout/>" + kShape + "<c:txPr><a:bodyPr/></c:txPr></c:legend>"},
        // Text properties elsewhere in the chart are not the legend's.
        {"<c:legend><c:layout/></c:legend><c:txPr/>",
         "<c:legend><c:layout/>" + kShape + "</c:legend><c:txPr/>"},
        {"<c:chart><c:plotVisOnly val=\"1\"/></c:chart>",
         "<c:chart><c:plotVisOnly val=\"1\"/></c:chart>"},
    };
    for (const auto& c : cases) EXPECT_EQ(FramedLegend(c.chart), c.framed) << c.chart.data();
}

TEST(FrameChartLegends, OnlyChartPartsChange) {
    const QByteArray legend = "<c:legend></c:legend>";
    std::vector<TZipEntry> parts = {{"xl/charts/chart1.xml", legend},
                                    {"xl/charts/chart12.xml", legend},
                                    {"xl/worksheets/sheet1.xml", legend},
                                    {"xl/charts/_rels/chart1.xml.rels", legend}};
    FrameChartLegends(parts);
    EXPECT_EQ(parts[0].data, "<c:legend>" + kShape + "</c:legend>");
    EXPECT_EQ(parts[1].data, parts[0].data);
    EXPECT_EQ(parts[2].data, legend);
    EXPECT_EQ(parts[3].data, legend);
}

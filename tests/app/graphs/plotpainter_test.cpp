#include "app/graphs/plotpainter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "app/graphs/curvecolours.h"
#include "app/graphs/plotdataloader.h"
#include "app/graphs/plotview.h"

namespace {

const QColor kUntouched(1, 2, 3);  // no curve or fill has this colour

QString dataFile(const char* name) {
    return QStringLiteral(KELDRA_SOURCE_DIR "/tests/app/graphs/data/") + name;
}

TPlotProject englishProject() {
    TPlotProject p;
    p.soilLayers = {{4, 10.0}, {1, 20.0}, {6, 40.0}};
    p.wallTipDepth = 33 * 12.0;
    p.freeHeight = 12 * 12.0;
    return p;
}

QImage render(const TGraphPlot& graph, QSize size, std::vector<TLegendEntry> legend = {},
              TDrawTarget target = TDrawTarget::Image) {
    const std::optional<TPlotView> view = TPlotView::ForGraph(graph);
    if (!view) {
        ADD_FAILURE() << "the graph has no view to draw";
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(kUntouched);
    TPlotPainter painter(graph, *view);
    painter.setLegend(std::move(legend), {0.6, 0.6});
    QPainter p(&image);
    painter.draw(p, {target, 96, 96, image.rect()});
    p.end();
    return image;
}

int countPixels(const QImage& image, QRect r, QColor c) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) == c) ++n;
    return n;
}

// Saves what a test drew when KELDRA_RENDER_DIR names a folder, to look at it.
void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("KELDRA_RENDER_DIR");
    if (!dir.isEmpty()) image.save(QDir(dir).filePath(name + ".png"));
}

std::vector<TLegendEntry> legendOf(const TGraphPlot& g) {
    std::vector<TLegendEntry> entries;
    for (int i = 0; i < static_cast<int>(g.Lines().size()); ++i)
        entries.push_back({i, g.Lines()[i].DisplayName()});
    return entries;
}

}  // namespace

TEST(TPlotPainter, DrawsEveryGraphOfAFile) {
    TResultGraphs graphs;
    TPlotProject project;
    project.unitSystem = 2;
    project.soilLayers = {{4, 2.5}, {1, 5.0}, {5, 7.0}, {7, 9.0}, {6, 12.0}};
    project.wallTipDepth = 9.5;
    project.freeHeight = 3.0;
    ASSERT_TRUE(LoadPlotData(graphs, dataFile("three_stages_si.kd5p"), project));
    graphs.pltDMS.ShowLayers = true;
    for (TGraphPlot* g : graphs.all()) {
        const QImage image = render(*g, {1100, 700}, legendOf(*g));
        keep(image, g->Caption);
        if (g == &graphs.pltDMS)
            keep(render(*g, {1100, 700}, {}, TDrawTarget::Screen), "dms-screen");
        EXPECT_EQ(countPixels(image, image.rect(), kUntouched), 0) << g->Caption.toStdString();
        // The last curve is drawn in the colour of its position.
        EXPECT_GT(
            countPixels(image, image.rect(), CurveColour(g->LineCount(TCurveList::Lines) - 1)), 20)
            << g->Caption.toStdString();
    }
}

TEST(TPlotPainter, SoilStripWithWall) {
    TResultGraphs graphs;
    ASSERT_TRUE(LoadPlotData(graphs, dataFile("one_block_english.kd5p"), englishProject()));
    TGraphPlot& dms = graphs.pltDMS;
    dms.ShowLayers = true;
    dms.ShowWall = true;
    const QImage image = render(dms, {864, 576});
    keep(image, "dms-wall");
    const TPlotView view = *TPlotView::ForGraph(dms);
    const TPlotLayout layout =
        TPlotPainter(dms, view).layout({TDrawTarget::Image, 96, 96, image.rect()});
    ASSERT_FALSE(layout.strip.isEmpty());
    EXPECT_GT(countPixels(image, layout.strip, QColor(Qt::gray)), 100);  // the wall
}

TEST(TPlotPainter, AnAreaBelowOneInchStaysBlank) {
    TResultGraphs graphs;
    ASSERT_TRUE(LoadPlotData(graphs, dataFile("one_block_english.kd5p"), englishProject()));
    const QImage image = render(graphs.pltDef, {95, 300});
    EXPECT_EQ(countPixels(image, image.rect(), Qt::white), 95 * 300);
}

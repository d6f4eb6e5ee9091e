#include "app/graphs/plotform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/graphs/activelinesdialog.h"
#include "app/graphs/graphcaptiondialog.h"
#include "app/graphs/graphplot.h"
#include "app/graphs/linenamesdialog.h"
#include "app/graphs/plotcanvas.h"
#include "app/graphs/plotlayout.h"
#include "app/graphs/plotlegend.h"

namespace {

// A graph of n straight curves, each with 10 points from depth 0 to 18.
void fill(TGraphPlot& graph, int n) {
    graph.Caption = "Deflection vs Depth";
    graph.CurveName = "Load #";
    graph.SetLineCount(TCurveList::Lines, n);
    for (int c = 0; c < n; ++c) {
        std::vector<TFloatPoint>& pts = graph.Lines()[c].Points;
        pts.clear();
        for (int i = 0; i < 10; ++i) pts.push_back({0.1 * (c + 1) * i, 2.0 * i});
    }
}

struct OpenForm {
    explicit OpenForm(int curves) {
        fill(graph, curves);
        form = TPlotForm::Show(graph, nullptr);
        form->resize(900, 700);
        QApplication::processEvents();
    }
    ~OpenForm() { delete form; }
    TGraphPlot graph;
    TPlotForm* form = nullptr;
};

QStringList menuTexts(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) out << a->text();
    return out;
}

}  // namespace

TEST(TPlotForm, ListsTheFirstTwentyCurvesInLegendAndMenu) {
    OpenForm f(25);
    ASSERT_TRUE(f.form);
    EXPECT_EQ(f.form->windowTitle(), "PlotForm");
    EXPECT_EQ(f.graph.window(), f.form);
    EXPECT_EQ(f.form->legend()->entries().size(), 20u);
    EXPECT_TRUE(f.graph.Lines()[19].Active);
    EXPECT_FALSE(f.graph.Lines()[20].Active);
    const QStringList items = menuTexts(f.form->plotMenu());
    const QStringList fixed{"Show &Legend",  "Show &Soil Layer", "Show &Wall Geometry",
                            "Show &Markers", "&Font Size",       "&Line Width",
                            "&Graph Title",  "&Edit Legend",     "&Active Curves",
                            "&Print...",     "P&age Setup",      "&Save To Disk..."};
    ASSERT_EQ(items.size(), fixed.size() + 20);
    EXPECT_EQ(items.mid(0, fixed.size()), fixed);
    EXPECT_EQ(items.last(), "Load #20");
}

TEST(TPlotForm, TheSubmenusCarryTheirChoices) {
    OpenForm f(1);
    QStringList markers, fonts, widths;
    for (QAction* a : f.form->plotMenu()->actions()) {
        if (!a->menu()) continue;
        if (a->text() == "Show &Markers") markers = menuTexts(a->menu());
        if (a->text() == "&Font Size") fonts = menuTexts(a->menu());
        if (a->text() == "&Line Width") widths = menuTexts(a->menu());
    }
    EXPECT_EQ(markers,
              (QStringList{"&Never", "Every &Increment", "Every &2 Increments",
                           "Every &3 Incrments", "Every &5 Increments", "Every &10 Incements"}));
    EXPECT_EQ(fonts, (QStringList{"&Default", "1.5 * Default", "2 * Default", "2.5 * Default",
                                  "3 * Default", "4 * Default"}));
    EXPECT_EQ(widths, (QStringList{"&Default", "2 * Default", "4 * Default", "6 * Default",
                                   "10 * Default"}));
}

TEST(TPlotForm, DoubleClickOnALegendEntryTogglesItsCurve) {
    OpenForm f(3);
    TPlotLegend* legend = f.form->legend();
    const QPoint second(10, 1 + legend->itemHeight() + legend->itemHeight() / 2);
    ASSERT_EQ(legend->entryAt(second), 1);
    QMouseEvent press(QEvent::MouseButtonDblClick, second, legend->mapToGlobal(second),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(legend, &press);
    EXPECT_FALSE(f.graph.Lines()[1].Visible);
    EXPECT_TRUE(f.graph.Lines()[0].Visible);
    f.form->toggleCurve(1);
    EXPECT_TRUE(f.graph.Lines()[1].Visible);
}

TEST(TPlotForm, RenamingAndActivatingRebuildTheLegend) {
    OpenForm f(3);
    f.form->applyNames({"Short-Term", "Long-Term", "Load #3"});
    EXPECT_EQ(f.graph.Lines()[0].Name, "Short-Term");
    EXPECT_EQ(f.form->legend()->entries()[1].text, "Long-Term");
    f.form->applyMarkers({" yes : ", " no  : ", " yes : "});
    ASSERT_EQ(f.form->legend()->entries().size(), 2u);
    EXPECT_EQ(f.form->legend()->entries()[1].curve, 2);
    EXPECT_EQ(menuTexts(f.form->plotMenu()).last(), "Load #3");
}

TEST(TPlotForm, ZoomKeepsATwentiethAndIgnoresFlatBands) {
    OpenForm f(1);
    TPlotCanvas* canvas = f.form->canvas();
    const QRect plot = canvas->currentLayout().plot;
    const TPanelRange full = f.form->view().full(0);
    const QPoint a = plot.center();
    canvas->zoomToBand(a, a + QPoint(40, 0));  // one pixel row high: nothing happens
    EXPECT_EQ(f.form->view().view(0), full);
    canvas->zoomToBand(a, a + QPoint(2, 50));
    const TPanelRange v = f.form->view().view(0);
    EXPECT_NEAR(v.x.width(), full.x.width() / 20, 1e-12);
    EXPECT_LT(v.y.width(), full.y.width());
    canvas->zoomOutAt(a);
    EXPECT_NEAR(f.form->view().view(0).x.width(), 2 * v.x.width(), 1e-12);
}

TEST(TPlotForm, ReadOutShowsTheValuesUnderThePointer) {
    OpenForm f(1);
    TPlotCanvas* canvas = f.form->canvas();
    const QRect plot = canvas->currentLayout().plot;
    // With the x axis on top, the top left corner is x minimum and depth 0.
    EXPECT_EQ(canvas->readOut(plot.topLeft()), "Deflection vs Depth X: 0 Y: 0");
    EXPECT_EQ(canvas->readOut(plot.bottomRight() + QPoint(50, 50)),
              "Deflection vs Depth X: 0.9 Y: 18");  // clamped to the plot
}

TEST(TPlotForm, SavesPicturesOfTheChosenSize) {
    OpenForm f(2);
    QTemporaryDir dir;
    for (const char* name : {"graph.bmp", "graph.png", "graph.svg"}) {
        const QString file = dir.filePath(name);
        ASSERT_TRUE(f.form->saveImage(file, QSize(432, 288), 96)) << name;
        EXPECT_GT(QFileInfo(file).size(), 1000) << name;
    }
    EXPECT_EQ(QImageReader(dir.filePath("graph.bmp")).format(), "bmp");
    EXPECT_EQ(QImage(dir.filePath("graph.bmp")).size(), QSize(432, 288));
    EXPECT_EQ(QImage(dir.filePath("graph.png")).size(), QSize(432, 288));
    EXPECT_FALSE(f.form->saveImage(dir.filePath("missing/graph.bmp"), QSize(432, 288), 96));

    // The drawing reads back: curves in their colours.
    QSvgRenderer svg(dir.filePath("graph.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 432, 288));
    QImage back(QSize(432, 288), QImage::Format_RGB32);
    back.fill(Qt::white);
    QPainter painter(&back);
    svg.render(&painter);
    painter.end();
    const QString keep = qEnvironmentVariable("KELDRA_RENDER_DIR");
    if (!keep.isEmpty()) back.save(keep + "/svg-read-back.png");
    int blue = 0;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            if (const QColor c = back.pixelColor(x, y);
                c.blue() > 200 && c.red() < 120 && c.green() < 120)
                ++blue;
    EXPECT_GT(blue, 50);
}

TEST(TPlotForm, ShowReusesTheOpenWindowAndAFreshOneStartsWithFullRanges) {
    OpenForm f(1);
    EXPECT_EQ(TPlotForm::Show(f.graph, nullptr), f.form);
    f.form->canvas()->zoomToBand(f.form->canvas()->currentLayout().plot.center(),
                                 f.form->canvas()->currentLayout().plot.center() + QPoint(30, 30));
    f.form->close();
    QApplication::processEvents();
    f.form = nullptr;  // deleted on close
    EXPECT_EQ(f.graph.window(), nullptr);
    f.form = TPlotForm::Show(f.graph, nullptr);
    ASSERT_TRUE(f.form);
    EXPECT_EQ(f.form->view().view(0), f.form->view().full(0));
}

TEST(TPlotForm, TheWindowShowsPlotAndLegend) {
    OpenForm f(3);
    f.graph.Title = "Wall A";
    f.graph.TitleOnTop = true;
    f.form->canvas()->update();
    const QImage shot = f.form->grab().toImage();
    const QString dir = qEnvironmentVariable("KELDRA_RENDER_DIR");
    if (!dir.isEmpty()) shot.save(dir + "/window.png");
    const QRect legend(f.form->legend()->mapTo(f.form, QPoint(0, 0)), f.form->legend()->size());
    int coloured = 0;
    for (int y = legend.top(); y <= legend.bottom(); ++y)
        for (int x = legend.left(); x <= legend.right(); ++x)
            if (shot.pixelColor(x, y) == QColor(0, 0, 255)) ++coloured;
    EXPECT_GT(coloured, 5);  // the second entry in blue
}

TEST(TPlotForm, AGraphTakesItsOpenWindowAlongWhenItGoes) {
    auto graph = std::make_unique<TGraphPlot>();
    fill(*graph, 2);
    QPointer<TPlotForm> form = TPlotForm::Show(*graph, nullptr);
    ASSERT_TRUE(form);
    graph.reset();
    EXPECT_TRUE(form.isNull());
}

TEST(TPlotForm, PrintsOnePageWithTheLegend) {
    OpenForm f(2);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("graph.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(f.form->printTo(printer));
    EXPECT_GT(QFileInfo(dir.filePath("graph.pdf")).size(), 1000);
    EXPECT_EQ(printer.docName(), "Deflection vs Depth");

    // The printer's drawing path at a printer resolution, into a picture to look at.
    QImage page(QSize(1500, 1000), QImage::Format_RGB32);
    QPainter painter(&page);
    f.form->drawOutput(painter, {TDrawTarget::Printer, 150, 150, page.rect()});
    painter.end();
    const QString keep = qEnvironmentVariable("KELDRA_RENDER_DIR");
    if (!keep.isEmpty()) page.save(keep + "/printed.png");
    // On paper the plot reaches the right edge of the page area: its frame is the last column.
    EXPECT_EQ(page.pixelColor(page.width() - 1, page.height() / 2), QColor(Qt::black));
}

namespace {

QAction* plotItem(const TPlotForm& form, const QString& text) {
    for (QAction* a : form.plotMenu()->actions())
        if (a->text() == text) return a;
    return nullptr;
}

// Runs `answer` on the modal dialog that `item` opens.
template <typename Dialog>
void answerDialog(QAction* item, const std::function<void(Dialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        answer(*dialog);
    });
    item->trigger();
}

}  // namespace

TEST(TPlotForm, TheMenuDialogsApplyOnlyWhatTheyShould) {
    OpenForm f(3);
    // A rename followed by Cancel leaves every curve as it was.
    answerDialog<TfrmLineNames>(plotItem(*f.form, "&Edit Legend"), [](TfrmLineNames& d) {
        d.lbLines()->setCurrentRow(1);
        d.edLine()->setText("Excavation");
        d.commitEdit();
        d.reject();
    });
    EXPECT_TRUE(f.graph.Lines()[1].Name.isEmpty());
    answerDialog<TfrmLineNames>(plotItem(*f.form, "&Edit Legend"), [](TfrmLineNames& d) {
        d.lbLines()->setCurrentRow(1);
        d.edLine()->setText("Excavation");
        d.commitEdit();
        d.accept();
    });
    EXPECT_EQ(f.graph.Lines()[1].Name, "Excavation");

    answerDialog<TfrmActiveLines>(plotItem(*f.form, "&Active Curves"), [](TfrmActiveLines& d) {
        d.setAll(false);
        d.accept();
    });
    EXPECT_FALSE(f.graph.Lines()[0].Active);
    EXPECT_TRUE(f.form->legend()->entries().empty());

    // The title is taken however its dialog is closed.
    answerDialog<TfrmGraphCaption>(plotItem(*f.form, "&Graph Title"), [](TfrmGraphCaption& d) {
        d.edtCaption()->setText("Wall A");
        d.reject();
    });
    EXPECT_EQ(f.graph.Title, "Wall A");
    EXPECT_FALSE(f.graph.TitleOnTop);
}

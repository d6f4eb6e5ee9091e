#include "app/graphs/plotform.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

#include "app/graphs/activelinesdialog.h"
#include "app/graphs/graphcaptiondialog.h"
#include "app/graphs/graphplot.h"
#include "app/graphs/linenamesdialog.h"
#include "app/graphs/plotcanvas.h"
#include "app/graphs/plotlegend.h"

namespace {

// Only so many curves fit a legend and a menu; the others start inactive.
constexpr int kListedCurves = 20;
constexpr double kDefaultMarginInches = 1.0;

}  // namespace

TPlotForm* TPlotForm::Show(TGraphPlot& graph, QMdiArea* area) {
    if (auto* open = qobject_cast<TPlotForm*>(graph.window())) {
        QWidget* frame = open->parentWidget() ? open->parentWidget() : open;
        if (frame->isMinimized()) frame->showMaximized();
        frame->show();
        if (area) area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        open->activateWindow();
        return open;
    }
    const std::optional<TPlotView> view = TPlotView::ForGraph(graph);
    if (!view) return nullptr;
    auto* form = new TPlotForm(graph, *view);
    if (area) {
        QMdiSubWindow* sub = area->addSubWindow(form);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->showMaximized();
    } else {
        form->showMaximized();
    }
    form->placeLegendAtPlotCorner();
    return form;
}

TPlotForm::TPlotForm(TGraphPlot& graph, const TPlotView& view, QWidget* parent)
    : QWidget(parent),
      m_graph(graph),
      m_view(view),
      m_menuBar(new QMenuBar(this)),
      m_canvas(new TPlotCanvas(graph, m_view, this)),
      m_legend(new TPlotLegend(graph, m_canvas)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("PlotForm");
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    graph.setWindow(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setMenuBar(m_menuBar);
    column->addWidget(m_canvas);

    // Every curve is active when a window opens, as far as the legend has room.
    for (std::size_t i = 0; i < graph.Lines().size(); ++i)
        graph.Lines()[i].Active = static_cast<int>(i) < kListedCurves;

    m_hasPrinter = !QPrinterInfo::availablePrinters().isEmpty();
    m_printer->setPageMargins(QMarginsF(kDefaultMarginInches, kDefaultMarginInches,
                                        kDefaultMarginInches, kDefaultMarginInches),
                              QPageLayout::Inch);
    createPlotMenu();
    rebuildLegend();
    m_graph.LegendFont = m_legend->font().pointSize();
    m_legend->setVisible(!graph.Lines().empty() && graph.ShowLegend);
    m_showLegend->setVisible(m_legend->isVisibleTo(this));

    connect(m_canvas, &TPlotCanvas::readOutChanged, this, &QWidget::setWindowTitle);
    // Until the user drags it, the legend follows the plot's bottom right corner.
    connect(m_canvas, &TPlotCanvas::resized, this, [this] {
        if (m_legendMoved)
            m_legend->keepInside();
        else
            placeLegendAtPlotCorner();
    });
    connect(m_legend, &TPlotLegend::moved, this, [this] { m_legendMoved = true; });
    connect(m_legend, &TPlotLegend::curveToggled, this, &TPlotForm::toggleCurve);
    resize(800, 600);
    placeLegendAtPlotCorner();
}

TPlotForm::~TPlotForm() {
    if (m_graph.window() == this) m_graph.setWindow(nullptr);
}

void TPlotForm::closeEvent(QCloseEvent* event) {
    m_graph.setWindow(nullptr);
    QWidget::closeEvent(event);
}

QMenu* TPlotForm::addChoiceMenu(const QString& title,
                                const std::vector<std::pair<QString, int>>& choices,
                                std::function<int()> current, std::function<void(int)> choose) {
    QMenu* menu = m_plotMenu->addMenu(title);
    auto* group = new QActionGroup(menu);
    for (const auto& [text, value] : choices) {
        QAction* item = menu->addAction(text);
        item->setCheckable(true);
        item->setData(value);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [choose, v = value] { choose(v); });
    }
    connect(menu, &QMenu::aboutToShow, this, [menu, current] {
        for (QAction* item : menu->actions()) item->setChecked(item->data().toInt() == current());
    });
    return menu;
}

void TPlotForm::createPlotMenu() {
    m_plotMenu = m_menuBar->addMenu("&Plot");
    m_showLegend = m_plotMenu->addAction("Show &Legend", this, [this] {
        m_graph.ShowLegend = !m_graph.ShowLegend;
        m_legend->setVisible(m_graph.ShowLegend);
    });
    m_showLegend->setCheckable(true);
    m_showLayers = m_plotMenu->addAction("Show &Soil Layer", this, [this] {
        m_graph.ShowLayers = !m_graph.ShowLayers;
        layOut();
    });
    m_showLayers->setCheckable(true);
    m_showWall = m_plotMenu->addAction("Show &Wall Geometry", this, [this] {
        m_graph.ShowWall = !m_graph.ShowWall;
        layOut();
    });
    m_showWall->setCheckable(true);

    auto repaint = [this] { m_canvas->update(); };
    m_markersMenu = addChoiceMenu(
        "Show &Markers",
        {{"&Never", 0},
         {"Every &Increment", 1},
         {"Every &2 Increments", 2},
         {"Every &3 Incrments", 3},
         {"Every &5 Increments", 5},
         {"Every &10 Incements", 10}},
        [this] { return m_graph.Markers; },
        [this, repaint](int n) {
            m_graph.Markers = n;
            repaint();
        });
    m_fontMenu = addChoiceMenu(
        "&Font Size",
        {{"&Default", 10},
         {"1.5 * Default", 15},
         {"2 * Default", 20},
         {"2.5 * Default", 25},
         {"3 * Default", 30},
         {"4 * Default", 40}},
        [this] { return m_graph.SizeFont; }, [this](int scale) { setFontScale(scale); });
    m_widthMenu = addChoiceMenu(
        "&Line Width",
        {{"&Default", 1},
         {"2 * Default", 2},
         {"4 * Default", 4},
         {"6 * Default", 6},
         {"10 * Default", 10}},
        [this] { return m_graph.WidthLine; },
        [this, repaint](int w) {
            m_graph.WidthLine = w;
            repaint();
        });
    m_plotMenu->addSeparator();
    m_plotMenu->addAction("&Graph Title", this, [this] { graphTitle(); });
    m_plotMenu->addAction("&Edit Legend", this, [this] { editLegend(); });
    m_plotMenu->addAction("&Active Curves", this, [this] { activeCurves(); });
    m_plotMenu->addSeparator();
    m_print = m_plotMenu->addAction("&Print...", this, [this] { print(); });
    m_pageSetup = m_plotMenu->addAction("P&age Setup", this, [this] { pageSetup(); });
    m_plotMenu->addAction("&Save To Disk...", this, [this] { saveToDisk(); });
    m_plotMenu->addSeparator();  // the curve items follow
    connect(m_plotMenu, &QMenu::aboutToShow, this, [this] { refreshPlotMenu(); });
    refreshPlotMenu();
}

void TPlotForm::refreshPlotMenu() {
    m_showLegend->setChecked(m_graph.ShowLegend);
    m_showLayers->setChecked(m_graph.ShowLayers);
    m_showLayers->setVisible(!m_graph.LayerLines().empty());
    m_showWall->setChecked(m_graph.ShowWall);
    m_showWall->setVisible(m_graph.WallLineCount > 0);
    m_showWall->setEnabled(m_graph.ShowLayers);
    m_fontMenu->menuAction()->setVisible(m_graph.ShowFontWidth);
    m_widthMenu->menuAction()->setVisible(m_graph.ShowFontWidth);
    m_print->setEnabled(m_hasPrinter);
    m_pageSetup->setEnabled(m_hasPrinter);
    for (QAction* item : m_curveItems) {
        const int curve = item->data().toInt();
        if (curve < static_cast<int>(m_graph.Lines().size()))
            item->setChecked(m_graph.Lines()[static_cast<std::size_t>(curve)].Visible);
    }
}

// The legend entries and curve menu items: one per active curve, in curve order.
void TPlotForm::rebuildLegend() {
    for (QAction* item : m_curveItems) {
        m_plotMenu->removeAction(item);
        item->deleteLater();
    }
    m_curveItems.clear();
    std::vector<TLegendEntry> entries;
    const std::vector<TLine>& lines = m_graph.Lines();
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const TLine& curve = lines[static_cast<std::size_t>(i)];
        if (!curve.Active) continue;
        QString caption = curve.DisplayName();
        if (m_graph.onGetCaption) m_graph.onGetCaption(i, caption);
        entries.push_back({i, caption});
        QAction* item = m_plotMenu->addAction(caption, this, [this, i] { toggleCurve(i); });
        item->setCheckable(true);
        item->setChecked(curve.Visible);
        item->setData(i);
        m_curveItems.push_back(item);
    }
    m_legend->setEntries(std::move(entries));
}

void TPlotForm::toggleCurve(int curve) {
    std::vector<TLine>& lines = m_graph.Lines();
    if (curve < 0 || curve >= static_cast<int>(lines.size())) return;
    TLine& line = lines[static_cast<std::size_t>(curve)];
    line.Visible = !line.Visible;
    refreshPlotMenu();
    m_legend->update();
    m_canvas->update();
}

void TPlotForm::setFontScale(int sizeFont) {
    m_graph.SizeFont = sizeFont;
    m_legend->setFontPoints(sizeFont * m_graph.LegendFont / 10);
    layOut();
}

void TPlotForm::layOut() {
    m_legend->keepInside();
    m_canvas->update();
}

void TPlotForm::placeLegendAtPlotCorner() {
    const QRect plot = m_canvas->currentLayout().plot;
    m_legend->move(plot.right() - m_legend->width(), plot.bottom() - m_legend->height());
    m_legend->keepInside();
}

void TPlotForm::applyNames(const QStringList& names) {
    std::vector<TLine>& lines = m_graph.Lines();
    for (int i = 0; i < names.size() && i < static_cast<int>(lines.size()); ++i)
        lines[static_cast<std::size_t>(i)].Name = names[i];
    rebuildLegend();
    m_canvas->update();
}

void TPlotForm::applyMarkers(const QStringList& markers) {
    std::vector<TLine>& lines = m_graph.Lines();
    for (int i = 0; i < markers.size() && i < static_cast<int>(lines.size()); ++i)
        lines[static_cast<std::size_t>(i)].Active = markers[i] == kActiveMarker;
    rebuildLegend();
    m_legend->setVisible(m_graph.ShowLegend && !m_legend->entries().empty());
    m_canvas->update();
}

namespace {

QStringList displayNames(const TGraphPlot& graph) {
    QStringList names;
    for (const TLine& curve : graph.Lines()) names << curve.DisplayName();
    return names;
}

}  // namespace

void TPlotForm::editLegend() {
    TfrmLineNames dialog(displayNames(m_graph), this);
    if (dialog.exec() == QDialog::Accepted) applyNames(dialog.names());
}

void TPlotForm::activeCurves() {
    QStringList markers;
    for (const TLine& curve : m_graph.Lines())
        markers << (curve.Active ? kActiveMarker : kInactiveMarker);
    TfrmActiveLines dialog(displayNames(m_graph), markers, this);
    if (dialog.exec() == QDialog::Accepted) applyMarkers(dialog.markers());
}

void TPlotForm::graphTitle() {
    TfrmGraphCaption dialog(m_graph.Title, m_graph.TitleOnTop, this);
    dialog.exec();
    // The title is taken however the dialog was closed.
    m_graph.Title = dialog.title();
    m_graph.TitleOnTop = dialog.onTop();
    layOut();
}

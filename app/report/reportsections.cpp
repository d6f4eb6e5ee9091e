#include "app/report/reportsections.h"

#include <functional>
#include <optional>

#include "app/graphs/plotpainter.h"
#include "app/graphs/plotview.h"
#include "app/report/reportcontent.h"
#include "app/views/sidedrawingpainter.h"

namespace {

// A graph takes nearly half of the body, so that two fit a page and values can be read off.
constexpr double kGraphShare = 0.42;

// The contents: the sections and their parts with their pages.
void drawContents(TReportCanvas& canvas, const std::vector<TContentsEntry>& contents) {
    canvas.skip(canvas.lineHeight(TReportFont::Body));
    QPainter& p = canvas.painter();
    p.setFont(canvas.font(TReportFont::Subheading));
    p.drawText(canvas.take(canvas.lineHeight(TReportFont::Subheading)), Qt::AlignLeft,
               QStringLiteral("Contents"));
    for (const TContentsEntry& entry : contents) {
        const TReportFont role = entry.level == 0 ? TReportFont::Body : TReportFont::Small;
        canvas.ensureSpace(canvas.lineHeight(role));
        p.setFont(canvas.font(role));
        const QRect line = canvas.take(canvas.lineHeight(role));
        const int indent = entry.level == 0 ? 0 : int(6 * canvas.mm());
        p.drawText(line.adjusted(indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, entry.title);
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(entry.page));
    }
}

void drawCover(TReportCanvas& canvas, const TReportContent& content,
               const std::vector<TContentsEntry>& contents) {
    QPainter& p = canvas.painter();
    p.setPen(Qt::black);
    canvas.skip(int(20 * canvas.mm()));
    p.setFont(canvas.font(TReportFont::Title));
    p.drawText(canvas.take(2 * canvas.lineHeight(TReportFont::Title)), Qt::AlignLeft,
               QStringLiteral("Calculation Report"));
    p.setFont(canvas.font(TReportFont::Heading));
    p.drawText(canvas.take(2 * canvas.lineHeight(TReportFont::Heading)), Qt::AlignLeft,
               content.heading.title);
    const QString runDate =
        content.runDate.isEmpty() ? QStringLiteral("not recorded in the report") : content.runDate;
    canvas.paragraph(QStringLiteral("Project file: %1").arg(content.projectFile));
    canvas.paragraph(QStringLiteral("Run of the analysis: %1").arg(runDate));
    canvas.paragraph(QStringLiteral("Units: %1").arg(content.units));
    canvas.paragraph(QStringLiteral("Report written: %1 by KELDRA %2")
                         .arg(content.heading.date, content.heading.version));
    drawContents(canvas, contents);
}

// A section with one part per stage, each part on a page of its own.
void drawStageSection(TReportCanvas& canvas, const TReportContent& content, const QString& title,
                      const std::function<void(const TStageInputs&)>& drawStage) {
    canvas.heading(title, 0);
    bool first = true;
    for (const TStageInputs& stage : content.stages) {
        if (!first) canvas.newPage();
        first = false;
        canvas.heading(title + QStringLiteral(", ") + stage.label, 1);
        drawStage(stage);
    }
}

void drawInputs(TReportCanvas& canvas, const TReportContent& content) {
    drawStageSection(canvas, content, QStringLiteral("Inputs"),
                     [&canvas](const TStageInputs& stage) {
                         for (const QString& message : stage.messages) canvas.paragraph(message);
                         for (const TReportTable& table : stage.tables) DrawTable(canvas, table);
                     });
}

void drawProfiles(TReportCanvas& canvas, const TReportContent& content) {
    drawStageSection(canvas, content, QStringLiteral("Soil Profile"),
                     [&canvas](const TStageInputs& stage) {
                         QPainter& p = canvas.painter();
                         p.setFont(canvas.font(TReportFont::Small));
                         const QRect area = canvas.take(canvas.remaining());
                         p.save();
                         p.translate(area.topLeft());
                         PaintSideDrawing(p, stage.profile, Qt::black);
                         p.restore();
                     });
}

void drawResults(TReportCanvas& canvas, const TReportContent& content) {
    canvas.heading(QStringLiteral("Results"), 0);
    DrawTable(canvas, content.summary);
    canvas.heading(QStringLiteral("Warnings"), 1);
    if (content.warnings.isEmpty()) canvas.paragraph(QStringLiteral("The report has no warnings."));
    for (const QString& warning : content.warnings) canvas.paragraph(warning);
    if (content.subdivisionCheck.isEmpty()) return;
    canvas.heading(QStringLiteral("Subdivision Check"), 1);
    for (const QString& line : content.subdivisionCheck) canvas.paragraph(line);
}

std::vector<TLegendEntry> legendOf(const TGraphPlot& graph) {
    std::vector<TLegendEntry> entries;
    const std::vector<TLine>& lines = graph.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].Active) entries.push_back({int(i), lines[i].DisplayName()});
    return entries;
}

void drawGraph(TReportCanvas& canvas, const TGraphPlot& graph) {
    const int height = int(canvas.body().height() * kGraphShare);
    canvas.ensureSpace(height + 2 * canvas.lineHeight(TReportFont::Subheading) +
                       canvas.lineHeight(TReportFont::Small));
    canvas.heading(graph.Caption, 1);
    const std::optional<TPlotView> view =
        graph.HasDrawableCurves() ? TPlotView::ForGraph(graph) : std::nullopt;
    if (!view) {
        canvas.paragraph(QStringLiteral("The run's plot data has no curves for this graph."));
        return;
    }
    QPainter& p = canvas.painter();
    const double dpi = p.device()->logicalDpiY();
    // The axis labels reach a little beyond the plot's area: a gap keeps them off the heading.
    canvas.skip(canvas.lineHeight(TReportFont::Small));
    const TDrawDevice device{TDrawTarget::Printer, dpi, dpi, canvas.take(height)};
    TPlotPainter painter(graph, *view);
    // The legend where the curves leave room: low on the right beside curves over depth, high
    // on the right beside the p-y curves, which cross the middle.
    const QPointF legendAt = graph.XOnTop ? QPointF(0.72, 0.62) : QPointF(0.76, 0.02);
    if (graph.ShowLegend) painter.setLegend(legendOf(graph), legendAt);
    p.save();
    painter.draw(p, device);
    p.restore();
    canvas.skip(canvas.lineHeight(TReportFont::Body));
}

void drawGraphs(TReportCanvas& canvas, const TReportContent& content) {
    canvas.heading(QStringLiteral("Graphs"), 0);
    for (const QString& problem : content.plotProblems) canvas.paragraph(problem);
    const TResultGraphs& g = content.graphs;
    for (const TGraphPlot* graph :
         {&g.pltDef, &g.pltMom, &g.pltShear, &g.pltSoil, &g.pltLD, &g.pltPY})
        drawGraph(canvas, *graph);
}

void drawTextReport(TReportCanvas& canvas, const TReportContent& content) {
    canvas.heading(QStringLiteral("Appendix: Text Report"), 0);
    QPainter& p = canvas.painter();
    const int line = canvas.lineHeight(TReportFont::Fixed);
    for (const QString& text : content.textReport) {
        canvas.ensureSpace(line);
        p.setFont(canvas.font(TReportFont::Fixed));
        p.setPen(Qt::black);
        p.drawText(canvas.take(line), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

}  // namespace

void DrawReport(TReportCanvas& canvas, const TReportContent& content,
                const std::vector<TContentsEntry>& contents) {
    drawCover(canvas, content, contents);
    drawInputs(canvas, content);
    drawProfiles(canvas, content);
    drawResults(canvas, content);
    drawGraphs(canvas, content);
    if (!content.textReport.isEmpty()) drawTextReport(canvas, content);
}

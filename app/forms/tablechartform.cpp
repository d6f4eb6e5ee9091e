#include "app/forms/tablechartform.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

#include "app/forms/chartdata.h"
#include "app/forms/segmentview.h"
#include "app/tables/chartreader.h"
#include "app/tables/gridtablechart.h"
#include "app/tables/tableerror.h"
#include "app/widgets/userprompts.h"

namespace {

const QString kFileFilters =
    QStringLiteral("Text Files (*.txt);;Data Files (*.dat);;All Files (*)");
constexpr int kTickCount = 5;

// Ticks at a round step that covers lo..hi.
QList<double> niceTicks(double lo, double hi) {
    if (hi <= lo) return {lo};
    const double rough = (hi - lo) / kTickCount;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    QList<double> ticks;
    for (double t = std::floor(lo / step) * step; t <= hi + step * 1e-9; t += step)
        ticks.append(std::fabs(t) < step * 1e-9 ? 0.0 : t);
    if (ticks.last() < hi) ticks.append(ticks.last() + step);
    return ticks;
}

QImage squareMark(const QColor& colour) {
    QImage mark(2, 2, QImage::Format_ARGB32);
    mark.fill(colour);
    return mark;
}

}  // namespace

TTableChartForm::TTableChartForm(TGridTableChart& table, TTableWindows& windows, bool modal,
                                 QWidget* parent)
    : TTableForm(table, windows, modal, parent), m_chartTable(table) {}

bool TTableChartForm::chartShown() const {
    const TGraphicParameters& g = m_chartTable.graphicParameters();
    return g.showGraph && !g.drawSegments;
}

int TTableChartForm::maxRowsShown() const {
    return chartShown() ? kMaxRowsWithChart : TTableForm::maxRowsShown();
}

void TTableChartForm::addAboveGrid(QVBoxLayout& layout) {
    const TGraphicParameters& g = m_chartTable.graphicParameters();
    if (g.showGraph && g.drawSegments) {
        m_segments = new TSegmentView(m_chartTable, this);
        m_segments->setMinimumSize(kChartSize);
        layout.addWidget(m_segments);
    }
    if (!chartShown()) return;
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chartView = new QChartView(m_chart, this);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(kChartSize);
    layout.addWidget(m_chartView);
}

void TTableChartForm::addBelowRowButtons(QVBoxLayout& layout) {
    if (m_chartTable.okCancelButtons()) {
        // No action of their own: no table of this program shows them.
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(new QPushButton(QStringLiteral("OK"), this));
        buttons->addWidget(new QPushButton(QStringLiteral("Cancel"), this));
        buttons->addStretch();
        layout.addLayout(buttons);
    }
    if (!m_chartTable.getDataFromFile()) return;
    m_fileName = new QLineEdit(this);
    m_browse = new QPushButton(QStringLiteral("Browse"), this);
    m_edit = new QPushButton(QStringLiteral("View/Edit File"), this);
    m_read = new QPushButton(QStringLiteral("Read values from File"), this);
    m_clip = new QPushButton(QStringLiteral("Paste values from  Clipboard (text)"), this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("File Name:"), this));
    nameRow->addWidget(m_fileName, 1);
    // "Paste values from  Clipboard (text)" stands right-aligned under "Read values from File".
    auto* fileButtons = new QGridLayout;
    fileButtons->addWidget(m_browse, 0, 0);
    fileButtons->addWidget(m_edit, 0, 1);
    fileButtons->addWidget(m_read, 0, 2);
    fileButtons->addWidget(m_clip, 1, 0, 1, 3, Qt::AlignRight);
    fileButtons->setColumnStretch(3, 1);
    layout.addLayout(nameRow);
    layout.addLayout(fileButtons);
    connect(m_browse, &QPushButton::clicked, this, &TTableChartForm::browse);
    connect(m_edit, &QPushButton::clicked, this, &TTableChartForm::viewFile);
    connect(m_read, &QPushButton::clicked, this, &TTableChartForm::readFromFile);
    connect(m_clip, &QPushButton::clicked, this, &TTableChartForm::pasteFromClipboard);
    connect(m_fileName, &QLineEdit::textChanged, this, &TTableChartForm::updateFileButtons);
    updateFileButtons();
}

void TTableChartForm::gridRebuilt() {
    updateFileButtons();
    drawChart();
}

void TTableChartForm::mousePressEvent(QMouseEvent* event) {
    TTableForm::mousePressEvent(event);
    drawChart();
}

void TTableChartForm::updateFileButtons() {
    if (!m_fileName) return;
    const bool exists = QFileInfo(m_fileName->text()).isFile();
    m_edit->setEnabled(exists);
    m_read->setEnabled(exists);
}

void TTableChartForm::applyAxis(const TChartAxis& shown, Qt::Orientation orientation) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(shown.title);
    axis->setReverse(shown.inverted);
    axis->setTruncateLabels(false);
    double lo = shown.minimum;
    double hi = shown.maximum;
    if (hi <= lo) {  // an empty range (all values equal) is drawn around its value
        const double pad = lo == 0 ? 1.0 : std::fabs(lo) * 0.1;
        lo -= pad;
        hi += pad;
    }
    const QList<double> ticks = niceTicks(lo, hi);
    const double first = shown.fixedRange ? lo : ticks.first();
    const double last = shown.fixedRange ? hi : ticks.last();
    axis->setStartValue(first);
    for (double t : ticks)
        if (t >= first - 1e-12 && t <= last + 1e-12)
            axis->append(formatLabel(t, shown.labelFormat, locale()), t);
    axis->setRange(first, last);
    QFont small = axis->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    axis->setLabelsFont(small);
    axis->setTitleFont(small);
    m_chart->addAxis(axis, orientation == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    for (QAbstractSeries* series : m_chart->series()) series->attachAxis(axis);
}

void TTableChartForm::drawChart() {
    if (m_segments) m_segments->update();
    if (!m_chart || !table()) return;
    TChartData chart;
    try {
        chart = chartData(m_chartTable);
    } catch (const ETableError&) {
        return;  // a plotted column that holds no reals: nothing to draw
    }
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    auto* series1 = new QLineSeries;
    series1->setPen(QPen(Qt::red, 2));
    series1->append(chart.series1);
    series1->setName(chart.title1);
    m_chart->addSeries(series1);
    if (chart.secondSeries) {
        auto* series2 = new QLineSeries;
        series2->setPen(QPen(Qt::green, 2));
        series2->setLightMarker(squareMark(Qt::green));
        series2->append(chart.series2);
        series2->setName(chart.title2);
        series2->setPointsVisible(chart.pointMarks);
        m_chart->addSeries(series2);
    }
    m_chart->legend()->setVisible(chart.legendVisible);
    applyAxis(chart.horizontal, Qt::Horizontal);
    applyAxis(chart.vertical, Qt::Vertical);
}

void TTableChartForm::browse() {
    int filterIndex = 1;
    const QString chosen =
        prompts().openFileName(this, QStringLiteral("Open"), kFileFilters, filterIndex);
    if (!chosen.isEmpty()) m_fileName->setText(chosen);
    updateFileButtons();
}

void TTableChartForm::viewFile() {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_fileName->text())))
        showError(QStringLiteral("An error occurred in running the Word Processor"));
}

void TTableChartForm::fillFrom(const QStringList& lines) {
    if (!storeValues() || !table()) return;
    try {
        TChartReader::fill(*table(), lines, locale());
    } catch (const ETableError& e) {
        showError(e.message());
    }
    table()->setModified(true);
    setRowsShown(std::min(maxRowsShown(), table()->rowCount()));
    updateGridSize();
    drawChart();
    fitToContent();
}

void TTableChartForm::readFromFile() {
    QStringList lines;
    try {
        lines = TChartReader::linesOfFile(m_fileName->text());
    } catch (const ETableError& e) {
        showError(e.message());
        return;
    }
    fillFrom(lines);
}

void TTableChartForm::pasteFromClipboard() {
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText()) {
        showError(QStringLiteral("There is no text on the Clipboard"));
        return;
    }
    fillFrom(TChartReader::linesOfClipboardText(clip->text()));
}

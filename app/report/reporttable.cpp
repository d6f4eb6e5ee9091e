#include "app/report/reporttable.h"

#include <QFontMetrics>
#include <algorithm>
#include <numeric>

#include "app/report/reportcanvas.h"

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// Each column as wide as its widest text, all of them shrunk in proportion when they do not fit
// the page; a cell that then does not fit wraps.
std::vector<int> columnWidths(const TReportTable& table, const QFontMetrics& metrics, int width,
                              int padding) {
    const int n = int(table.headings.size());
    std::vector<int> widths(std::size_t(n), 0);
    const auto widen = [&](int column, const QString& text) {
        for (const QString& line : text.split(u'\n'))
            widths[std::size_t(column)] = std::max(widths[std::size_t(column)],
                                                   metrics.horizontalAdvance(line) + 3 * padding);
    };
    for (int c = 0; c < n; ++c) widen(c, table.headings[c]);
    for (const QStringList& row : table.rows)
        for (int c = 0; c < n && c < row.size(); ++c) widen(c, row[c]);
    const long total = std::accumulate(widths.begin(), widths.end(), 0L);
    if (total > width)
        for (int& w : widths) w = int(double(w) * width / double(total));
    return widths;
}

int rowHeight(const QStringList& cells, const std::vector<int>& widths, const QFontMetrics& metrics,
              int padding) {
    int height = metrics.height();
    for (std::size_t c = 0; c < widths.size() && c < std::size_t(cells.size()); ++c) {
        const QRect bound = metrics.boundingRect(
            QRect(0, 0, std::max(1, widths[c] - 2 * padding), 1 << 24), kTextFlags, cells[int(c)]);
        height = std::max(height, bound.height());
    }
    return height + 2 * padding;
}

void drawRow(TReportCanvas& canvas, const QStringList& cells, const std::vector<int>& widths,
             int height, int padding, bool heading) {
    QPainter& painter = canvas.painter();
    const QRect line = canvas.take(height);
    int x = line.left();
    if (heading)
        painter.fillRect(
            QRect(x, line.top(), std::accumulate(widths.begin(), widths.end(), 0), height),
            QColor(230, 230, 230));
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const QRect cell(x, line.top(), widths[c], height);
        painter.drawRect(cell);
        if (c < std::size_t(cells.size()))
            painter.drawText(cell.adjusted(padding, padding, -padding, -padding), kTextFlags,
                             cells[int(c)]);
        x += widths[c];
    }
}

}  // namespace

void DrawTable(TReportCanvas& canvas, const TReportTable& table) {
    QPainter& painter = canvas.painter();
    const QFont captionFont = canvas.font(TReportFont::Subheading);
    const QFont cellFont = canvas.font(TReportFont::Small);
    painter.setFont(cellFont);
    const QFontMetrics metrics = painter.fontMetrics();
    const int padding = std::max(1, int(0.8 * canvas.mm()));
    const std::vector<int> widths =
        columnWidths(table, metrics, canvas.body().width() - 1, padding);
    const int headingHeight = rowHeight(table.headings, widths, metrics, padding);
    const int captionHeight = canvas.lineHeight(TReportFont::Subheading);
    const int firstRow =
        table.rows.empty() ? 0 : rowHeight(table.rows.front(), widths, metrics, padding);

    // The caption stays with the headings and the first row.
    canvas.ensureSpace(captionHeight + headingHeight + firstRow);
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    painter.drawText(canvas.take(captionHeight), Qt::AlignLeft | Qt::AlignVCenter, table.caption);
    painter.setFont(cellFont);
    painter.setPen(QPen(Qt::black, 0));
    drawRow(canvas, table.headings, widths, headingHeight, padding, true);
    for (const QStringList& row : table.rows) {
        const int height = rowHeight(row, widths, metrics, padding);
        if (height > canvas.remaining()) {
            canvas.newPage();
            painter.setFont(cellFont);
            painter.setPen(QPen(Qt::black, 0));
            drawRow(canvas, table.headings, widths, headingHeight, padding, true);
        }
        drawRow(canvas, row, widths, height, padding, false);
    }
    canvas.skip(metrics.height() / 2);
    for (const QString& note : table.notes) canvas.paragraph(note, TReportFont::Small);
    canvas.skip(metrics.height());
}

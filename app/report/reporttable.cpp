#include "app/report/reporttable.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

#include "app/report/reportcanvas.h"

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The widths a column asks for: its widest line, and the least it can do with: its widest
// heading line (headings keep their own lines) or word (below which a cell would break one).
struct TColumnNeed {
    int natural = 0;
    int least = 0;
};

std::vector<TColumnNeed> columnNeeds(const TReportTable& table, const QFontMetrics& metrics,
                                     int padding) {
    std::vector<TColumnNeed> needs(std::size_t(table.headings.size()));
    const auto widen = [&](std::size_t column, const QString& text, bool heading) {
        TColumnNeed& need = needs[column];
        for (const QString& line : text.split(u'\n'))
            need.natural = std::max(need.natural, metrics.horizontalAdvance(line) + 3 * padding);
        if (heading) need.least = need.natural;
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
            need.least = std::max(need.least, metrics.horizontalAdvance(word) + 3 * padding);
    };
    for (std::size_t c = 0; c < needs.size(); ++c) {
        widen(c, table.headings[int(c)], true);
        for (const QStringList& row : table.rows)
            if (int(c) < row.size()) widen(c, row[int(c)], false);
    }
    return needs;
}

// Each column as wide as its widest line when they all fit the page. Otherwise each column
// gets its widest word and the room left goes to the columns in proportion to what they
// still ask for, so that one long text wraps instead of squeezing the narrow columns.
std::vector<int> columnWidths(const TReportTable& table, const QFontMetrics& metrics, int width,
                              int padding) {
    const std::vector<TColumnNeed> needs = columnNeeds(table, metrics, padding);
    std::vector<int> widths;
    long natural = 0, least = 0;
    for (const TColumnNeed& need : needs) {
        natural += need.natural;
        least += need.least;
    }
    for (const TColumnNeed& need : needs) {
        if (natural <= width)
            widths.push_back(need.natural);
        else if (least >= width)
            widths.push_back(int(double(need.least) * width / double(least)));
        else
            widths.push_back(need.least + int(double(need.natural - need.least) * (width - least) /
                                              double(natural - least)));
    }
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

    // The caption and the headings, again on every page the table goes on to.
    const auto drawTop = [&](const QString& caption) {
        painter.setFont(captionFont);
        painter.setPen(Qt::black);
        painter.drawText(canvas.take(captionHeight), Qt::AlignLeft | Qt::AlignVCenter, caption);
        painter.setFont(cellFont);
        painter.setPen(QPen(Qt::black, 0));
        drawRow(canvas, table.headings, widths, headingHeight, padding, true);
    };
    // The caption stays with the headings and the first row.
    canvas.ensureSpace(captionHeight + headingHeight + firstRow);
    drawTop(table.caption);
    for (const QStringList& row : table.rows) {
        const int height = rowHeight(row, widths, metrics, padding);
        if (height > canvas.remaining()) {
            canvas.newPage();
            drawTop(table.caption + QStringLiteral(" (continued)"));
        }
        drawRow(canvas, row, widths, height, padding, false);
    }
    canvas.skip(metrics.height() / 2);
    for (const QString& note : table.notes) canvas.paragraph(note, TReportFont::Small);
    canvas.skip(metrics.height());
}

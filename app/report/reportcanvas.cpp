#include "app/report/reportcanvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <utility>

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kMmPerInch = 25.4;

int pointSize(TReportFont role) {
    switch (role) {
        case TReportFont::Small:
        case TReportFont::Fixed:
            return 8;
        case TReportFont::Heading:
            return 14;
        case TReportFont::Subheading:
            return 11;
        case TReportFont::Title:
            return 22;
        case TReportFont::Body:
            break;
    }
    return 10;
}

}  // namespace

TReportCanvas::TReportCanvas(QPagedPaintDevice& device, TReportHeading heading, int totalPages)
    : m_device(device), m_heading(std::move(heading)), m_totalPages(totalPages) {
    if (!m_painter.begin(&m_device)) return;
    m_mm = m_device.logicalDpiY() / kMmPerInch;
    const QRect page(0, 0, m_device.width(), m_device.height());
    const int line = lineHeight(TReportFont::Small);
    m_header = QRect(page.left(), page.top(), page.width(), 2 * line);
    m_footer = QRect(page.left(), page.bottom() - line, page.width(), line);
    m_body = QRect(QPoint(page.left(), m_header.bottom() + int(4 * m_mm)),
                   QPoint(page.right(), m_footer.top() - int(4 * m_mm)));
    m_y = m_body.top();
    drawFrame();
}

QFont TReportCanvas::font(TReportFont role) const {
    QFont font(role == TReportFont::Fixed ? QStringLiteral("DejaVu Sans Mono")
                                          : QStringLiteral("DejaVu Sans"));
    if (role == TReportFont::Fixed) font.setStyleHint(QFont::TypeWriter);
    // No ligatures: "fi" stays two letters for readers that search or copy the text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSize(pointSize(role));
    font.setBold(role == TReportFont::Heading || role == TReportFont::Subheading ||
                 role == TReportFont::Title);
    return font;
}

int TReportCanvas::lineHeight(TReportFont role) const {
    // Points to device pixels, with a little leading.
    return int(pointSize(role) * 1.35 * m_device.logicalDpiY() / kPointsPerInch);
}

void TReportCanvas::drawFrame() {
    m_painter.save();
    m_painter.setPen(Qt::black);
    m_painter.setFont(font(TReportFont::Small));
    const int half = m_header.height() / 2;
    const QRect first(m_header.left(), m_header.top(), m_header.width(), half);
    const QRect second(m_header.left(), m_header.top() + half, m_header.width(), half);
    m_painter.drawText(first, Qt::AlignLeft | Qt::AlignVCenter, m_heading.title);
    m_painter.drawText(first, Qt::AlignRight | Qt::AlignVCenter, m_heading.date);
    m_painter.drawText(second, Qt::AlignLeft | Qt::AlignVCenter, m_heading.fileName);
    m_painter.drawText(second, Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("KELDRA %1").arg(m_heading.version));
    m_painter.drawLine(m_header.bottomLeft() + QPoint(0, int(m_mm)),
                       m_header.bottomRight() + QPoint(0, int(m_mm)));
    const QString total = m_totalPages > 0 ? QString::number(m_totalPages) : QStringLiteral("?");
    m_painter.drawText(m_footer, Qt::AlignHCenter | Qt::AlignVCenter,
                       QStringLiteral("Page %1 of %2").arg(m_page).arg(total));
    m_painter.restore();
}

void TReportCanvas::newPage() {
    m_device.newPage();
    ++m_page;
    m_y = m_body.top();
    drawFrame();
}

void TReportCanvas::ensureSpace(int height) {
    if (m_y > m_body.top() && height > remaining()) newPage();
}

QRect TReportCanvas::take(int height) {
    const QRect area(m_body.left(), m_y, m_body.width(), height);
    m_y += height;
    return area;
}

void TReportCanvas::heading(const QString& text, int level) {
    const TReportFont role = level == 0 ? TReportFont::Heading : TReportFont::Subheading;
    if (level == 0 && m_y > m_body.top()) newPage();
    // A heading keeps at least a few lines of what it heads on its page.
    ensureSpace(lineHeight(role) + 6 * lineHeight(TReportFont::Body));
    m_contents.push_back({text, m_page, level});
    m_painter.setFont(font(role));
    m_painter.setPen(Qt::black);
    m_painter.drawText(take(lineHeight(role)), Qt::AlignLeft | Qt::AlignVCenter, text);
    skip(lineHeight(TReportFont::Small) / 2);
}

void TReportCanvas::paragraph(const QString& text, TReportFont role) {
    m_painter.setFont(font(role));
    const QFontMetrics metrics = m_painter.fontMetrics();
    const QRect bound =
        metrics.boundingRect(QRect(0, 0, m_body.width(), 1 << 24), Qt::TextWordWrap, text);
    ensureSpace(bound.height());
    m_painter.drawText(take(bound.height()), Qt::TextWordWrap, text);
}

void TReportCanvas::finish() {
    if (m_painter.isActive()) m_painter.end();
}

// The pages of the calculation report as they are filled: a header (project title, file name,
// date, program version) and a footer "Page n of m" on every page, and the body between them
// that the sections fill from the top down, starting a new page when a block does not fit.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

class QPagedPaintDevice;

struct TReportHeading {
    QString title;
    QString fileName;
    QString date;
    QString version;
};

// A section's heading and the page it starts on.
struct TContentsEntry {
    QString title;
    int page = 0;
    int level = 0;  // 0 a section, 1 a part of it

    bool operator==(const TContentsEntry&) const = default;
};

enum class TReportFont { Body, Small, Heading, Subheading, Title, Fixed };

class TReportCanvas {
  public:
    // Starts the first page. `totalPages` is 0 while the pages are being counted.
    TReportCanvas(QPagedPaintDevice& device, TReportHeading heading, int totalPages);

    [[nodiscard]] bool isActive() const { return m_painter.isActive(); }
    [[nodiscard]] QPainter& painter() { return m_painter; }
    [[nodiscard]] QFont font(TReportFont role) const;
    [[nodiscard]] int lineHeight(TReportFont role) const;
    // The part of the page between header and footer.
    [[nodiscard]] const QRect& body() const { return m_body; }
    [[nodiscard]] int page() const { return m_page; }
    [[nodiscard]] int top() const { return m_y; }
    [[nodiscard]] int remaining() const { return m_body.bottom() - m_y; }
    // Pixels per millimetre of the device.
    [[nodiscard]] double mm() const { return m_mm; }

    void newPage();
    // A block of `height` starts on a new page unless it fits below the current position (or
    // the page is still empty).
    void ensureSpace(int height);
    // Takes `height` below the current position (after ensureSpace) and returns its rectangle.
    QRect take(int height);
    void skip(int height) { m_y += height; }

    // A section heading (level 0 starts on a new page) listed in the contents.
    void heading(const QString& text, int level);
    // Wrapped text across the body's width.
    void paragraph(const QString& text, TReportFont role = TReportFont::Body);

    [[nodiscard]] const std::vector<TContentsEntry>& contents() const { return m_contents; }
    // Ends the last page.
    void finish();

  private:
    void drawFrame();

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    TReportHeading m_heading;
    int m_totalPages;
    int m_page = 1;
    double m_mm = 1.0;
    QRect m_body;
    QRect m_header;
    QRect m_footer;
    int m_y = 0;
    std::vector<TContentsEntry> m_contents;
};

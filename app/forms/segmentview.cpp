#include "app/forms/segmentview.h"

#include <QPainter>
#include <algorithm>

#include "app/tables/gridtablechart.h"
#include "app/tables/tableerror.h"

TSegmentView::TSegmentView(const TGridTableChart& table, QWidget* parent)
    : QWidget(parent), m_table(table) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void TSegmentView::paintEvent(QPaintEvent*) {
    const TGraphicParameters& g = m_table.graphicParameters();
    const int rows = m_table.rowCount();
    if (rows == 0 || m_table.columnCount() < 4) return;
    try {
        double left = m_table.real(g.xColumn, 0), right = left;
        double bottom = m_table.real(g.yColumn, 0), top = bottom;
        for (int r = 0; r < rows; ++r) {
            for (int x : {g.xColumn, g.x2Column}) {
                left = std::min(left, m_table.real(x, r));
                right = std::max(right, m_table.real(x, r));
            }
            for (int y : {g.yColumn, g.y2Column}) {
                bottom = std::min(bottom, m_table.real(y, r));
                top = std::max(top, m_table.real(y, r));
            }
        }
        if (right == left || top == bottom) return;
        const double sx = (width() - 2 * kMargin) / (right - left);
        const double sy = (height() - 2 * kMargin) / (top - bottom);
        const auto at = [&](double x, double y) {
            return QPointF(kMargin + (x - left) * sx, height() - kMargin - (y - bottom) * sy);
        };
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int r = 0; r < rows; ++r) {
            painter.setPen(QPen(Qt::red, 2));
            painter.drawLine(at(m_table.real(0, r), m_table.real(1, r)),
                             at(m_table.real(2, r), m_table.real(3, r)));
            const QPointF middle = (at(m_table.real(g.xColumn, r), m_table.real(g.yColumn, r)) +
                                    at(m_table.real(g.x2Column, r), m_table.real(g.y2Column, r))) /
                                   2;
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(middle, QString::number(r + 1));
        }
    } catch (const ETableError&) {
        // A plotted column that holds no reals: nothing to draw.
    }
}

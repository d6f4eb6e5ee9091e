#include "app/main/embedmentplotview.h"

#include <QPainter>

#include "app/studyplot/study_plot.h"

TEmbedmentPlotView::TEmbedmentPlotView(QWidget* parent) : QWidget(parent) {
    // The plot's margins and two panels need this much room to stay legible.
    setMinimumSize(420, 380);
}

void TEmbedmentPlotView::setStudy(std::optional<keldra::studies::EmbedmentStudy> study) {
    m_study = std::move(study);
    update();
}

void TEmbedmentPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_study && !m_study->rows.empty()) {
        keldra::studyplot::DrawEmbedmentPlot(painter, rect(), *m_study);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.drawText(rect(), Qt::AlignCenter,
                     QStringLiteral("Run an embedment study to see its plot."));
}

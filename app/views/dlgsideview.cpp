#include "app/views/dlgsideview.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/views/sidedrawing.h"
#include "app/views/sidedrawingpainter.h"

// The drawing area of the side view.
class TSideViewCanvas : public QWidget {
  public:
    explicit TSideViewCanvas(TDlgSideView& view) : QWidget(&view), m_view(view) {
        setMouseTracking(true);
        setAutoFillBackground(false);
    }
    // The window takes its first size from here when it opens inside the main window.
    QSize sizeHint() const override { return {900, 700}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        if (const TProgramData* project = m_view.m_project())
            m_view.paintSketch(painter, m_view.m_geometry.screenDrawing(*project));
    }
    void resizeEvent(QResizeEvent*) override { m_view.canvasResized(size()); }
    void mouseMoveEvent(QMouseEvent* event) override {
        m_view.pointerMoved(event->position().toPoint());
    }

  private:
    TDlgSideView& m_view;
};

TDlgSideView::TDlgSideView(TProjectSource project, QWidget* parent)
    : QWidget(parent),
      m_project(std::move(project)),
      m_profileLabel(new QLabel(QStringLiteral("Wall Profile"), this)),
      m_canvas(new TSideViewCanvas(*this)) {
    setWindowTitle(QStringLiteral("Side View"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* printButton = new QPushButton(QStringLiteral("Print"), this);
    connect(printButton, &QPushButton::clicked, this, &TDlgSideView::printFromDialog);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_profileLabel);
    bar->addStretch();
    bar->addWidget(printButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_canvas, 1);
}

QWidget& TDlgSideView::canvas() const { return *m_canvas; }

bool TDlgSideView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) activateView();
    return QWidget::event(event);
}

void TDlgSideView::activateView() {
    if (const TProgramData* project = m_project()) m_geometry.activate(*project);
    m_geometry.resize(m_canvas->size());
    m_canvas->update();
}

void TDlgSideView::canvasResized(QSize size) {
    m_geometry.resize(size);
    m_canvas->update();
}

void TDlgSideView::pointerMoved(QPoint pixel) {
    if (const auto caption = m_geometry.depthCaption(pixel)) setWindowTitle(*caption);
}

void TDlgSideView::paintSketch(QPainter& painter, const TSideDrawing& drawing) const {
    PaintSideDrawing(painter, drawing, palette().color(QPalette::WindowText));
}

void TDlgSideView::print(QPrinter& printer) {
    const TProgramData* project = m_project();
    if (!project) return;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Soil-Pile Profile"));
    QPainter painter;
    if (!painter.begin(&printer)) return;
    painter.setFont(QFont(m_profileLabel->font(), &printer));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintSketch(painter, m_geometry.paperDrawing(*project, page.size()));
    painter.end();
}

void TDlgSideView::printFromDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) print(printer);
}

// Printing the graph and saving it as a picture.
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSvgGenerator>

#include "app/graphs/formatdialog.h"
#include "app/graphs/graphplot.h"
#include "app/graphs/messagesink.h"
#include "app/graphs/plotcanvas.h"
#include "app/graphs/plotform.h"
#include "app/graphs/plotlegend.h"

namespace {

const QString kOutOfMemory = QStringLiteral("There is not enough memory to complete this task.");

}  // namespace

void TPlotForm::drawOutput(QPainter& painter, const TDrawDevice& device) const {
    // The legend goes into the picture where it sits in the window, as fractions of its size.
    const QSize window = m_canvas->size();
    const QPointF relative(window.width() > 0 ? double(m_legend->x()) / window.width() : 0.0,
                           window.height() > 0 ? double(m_legend->y()) / window.height() : 0.0);
    TPlotPainter output(m_graph, m_view);
    if (m_graph.ShowLegend) output.setLegend(m_legend->entries(), relative);
    output.draw(painter, device);
}

void TPlotForm::print() {
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printTo(*m_printer)) InformationBox(this)("The printer could not be started.");
    m_canvas->update();
}

bool TPlotForm::printTo(QPrinter& printer) const {
    printer.setDocName(m_graph.Caption);
    // Each margin is at least what the printer cannot print on.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF wanted = layout.margins();
    const QMarginsF minimum = layout.minimumMargins();
    printer.setPageMargins(
        QMarginsF(std::max(wanted.left(), minimum.left()), std::max(wanted.top(), minimum.top()),
                  std::max(wanted.right(), minimum.right()),
                  std::max(wanted.bottom(), minimum.bottom())),
        QPageLayout::Inch);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double dpi = printer.resolution();
    drawOutput(painter, {TDrawTarget::Printer, dpi, dpi, QRect(QPoint(0, 0), page.size())});
    return painter.end();
}

void TPlotForm::pageSetup() {
    QPageSetupDialog dialog(m_printer.get(), this);
    dialog.exec();
}

bool TPlotForm::saveImage(const QString& fileName, QSize size, double dpi) const {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const TDrawDevice device{TDrawTarget::Image, dpi, dpi, QRect(QPoint(0, 0), size)};
    if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setFileName(fileName);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(static_cast<int>(dpi));
        svg.setTitle(m_graph.Caption);
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        drawOutput(painter, device);
        return painter.end();
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return false;
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    drawOutput(painter, device);
    painter.end();
    return image.save(fileName, suffix == "png" ? "PNG" : "BMP");
}

void TPlotForm::saveToDisk() {
    QFileDialog dialog(this, "Save To Disk");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"Bitmap (*.bmp)", "PNG image (*.png)", "SVG drawing (*.svg)"});
    dialog.setDefaultSuffix("bmp");
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.section("*.", 1).section(')', 0, 0));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString fileName = dialog.selectedFiles().front();

    QImage bitmap;
    TdlgFormat format(bitmap, this);
    const int result = format.exec();
    if (result == TdlgFormat::OutOfMemory) {
        InformationBox(this)(kOutOfMemory);
        return;
    }
    if (result != TdlgFormat::Ok) return;
    // A bitmap is drawn at the screen's resolution; PNG and SVG at the chosen pixels per inch,
    // so that a large picture is the same graph in finer detail.
    const bool bmp = QFileInfo(fileName).suffix().compare("bmp", Qt::CaseInsensitive) == 0;
    const double ppi = bitmap.dotsPerMeterX() * 0.0254;
    const double dpi = bmp ? logicalDpiX() : ppi;
    if (!saveImage(fileName, bitmap.size(), dpi))
        InformationBox(this)("The picture could not be written to " + fileName + ".");
}

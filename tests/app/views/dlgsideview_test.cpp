#include "app/views/dlgsideview.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QTemporaryDir>

#include "viewsfixture.h"

namespace {

int inkedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 128;
    return n;
}

}  // namespace

TEST(DlgSideView, DrawsTheAnchoredExampleAndReadsTheDepth) {
    TViewsProject f;
    f.readExample(QStringLiteral("anchored_silt_strong_rock.kd5d"));
    TDlgSideView view([&] { return &f.project; });
    view.resize(900, 700);
    view.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(view.windowTitle(), "Side View");

    const QImage image = view.canvas().grab().toImage();
    EXPECT_GT(inkedPixels(image), 2000);  // wall, layers, labels and the top view

    // The pointer over the wall top reads its depth, 0 within a pixel.
    const QPoint top = view.geometry().map(0.0, view.geometry().topMargin());
    QMouseEvent move(QEvent::MouseMove, QPointF(top), QPointF(view.canvas().mapToGlobal(top)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view.canvas(), &move);
    EXPECT_EQ(view.windowTitle(), *view.geometry().depthCaption(top));
    EXPECT_NEAR(view.windowTitle().mid(9).toDouble(), 0.0, 1.0);
}

TEST(DlgSideView, PrintsOnALandscapePage) {
    TViewsProject f;
    f.readExample(QStringLiteral("anchored_silt_strong_rock.kd5d"));
    TDlgSideView view([&] { return &f.project; });
    view.show();
    QCoreApplication::processEvents();
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("side_view.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(page);
    view.print(printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.docName(), "Soil-Pile Profile");
    QFile pdf(page);
    EXPECT_GT(pdf.size(), 1000);
}

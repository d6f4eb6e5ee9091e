// A report table longer than a page, read back from the PDF with poppler's pdftotext.
#include "app/report/reporttable.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/report/reportcanvas.h"

namespace {

// The text of a PDF, pages separated by form feeds.
QStringList PagesOf(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

TEST(ReportTable, BreaksAcrossPagesWithItsHeadingsAndWrapsLongCells) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("table.pdf"));
    TReportTable table{
        QStringLiteral("Soil Layers"),
        {QStringLiteral("Row"), QStringLiteral("Depth at Bottom\nof the Layer, (ft)"),
         QStringLiteral("Remark")},
        {},
        {QStringLiteral("A note below the table.")}};
    constexpr int kRows = 150;
    for (int row = 1; row <= kRows; ++row)
        table.rows.push_back(
            {QString::number(row), QString::number(row * 2.5), QStringLiteral("r%1").arg(row)});
    // A cell far wider than the page wraps instead of running off it.
    QStringList words;
    for (int w = 0; w < 60; ++w) words << QStringLiteral("word%1").arg(w);
    table.rows.push_back({QStringLiteral("151"), QStringLiteral("0"), words.join(u' ')});
    int drawnPages = 0;
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        TReportCanvas canvas(writer,
                             {QStringLiteral("Wall"), QStringLiteral("wall.kd5d"),
                              QStringLiteral("2026-01-01"), QStringLiteral("1.0")},
                             0);
        ASSERT_TRUE(canvas.isActive());
        DrawTable(canvas, table);
        drawnPages = canvas.page();
        canvas.finish();
    }
    const QStringList pages = PagesOf(pdf);
    ASSERT_EQ(pages.size(), drawnPages);
    ASSERT_GE(pages.size(), 3);
    const QString all = pages.join(u'\n');
    for (int k = 0; k < pages.size(); ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_TRUE(pages[k].contains(QStringLiteral("Depth at Bottom"))) << "headings repeated";
        EXPECT_TRUE(pages[k].contains(QStringLiteral("Page %1 of ?").arg(k + 1)));
        EXPECT_TRUE(pages[k].contains(QStringLiteral("wall.kd5d")));
    }
    EXPECT_EQ(all.count(QStringLiteral("Soil Layers (continued)")), pages.size() - 1);
    for (int row = 1; row <= kRows; ++row)
        EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("\\br%1\\b").arg(row)))) << row;
    for (const QString& word : words)
        EXPECT_TRUE(all.contains(word + ' ') || all.contains(word + '\n')) << word.toStdString();
    EXPECT_TRUE(pages.last().contains(QStringLiteral("A note below the table.")));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

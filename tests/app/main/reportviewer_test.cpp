#include "app/main/reportviewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

namespace {

QString selectedLine(const TReportViewer& viewer) {
    return viewer.page().textCursor().selectedText();
}

TEST(TReportViewer, ShowsTheReportAndFindsText) {
    TReportViewer viewer;
    QString error;
    ASSERT_TRUE(viewer.open(KELDRA_SOURCE_DIR "/tests/engine/data/small_wall.kd5o", error));
    EXPECT_TRUE(viewer.page().isReadOnly());
    EXPECT_EQ(viewer.page().lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(viewer.page().font().fixedPitch());
    EXPECT_TRUE(viewer.page().document()->toPlainText().contains("     END OF ANALYSIS"));

    viewer.findField().setText("END OF ANALYSIS");
    EXPECT_TRUE(viewer.findNext());
    EXPECT_EQ(selectedLine(viewer), "END OF ANALYSIS");
    EXPECT_TRUE(viewer.findNext());  // wraps to the top and finds it again
    viewer.findField().setText("NOT IN THE REPORT");
    EXPECT_FALSE(viewer.findNext());
    ASSERT_TRUE(viewer.goToFirstProblem());
    EXPECT_EQ(selectedLine(viewer), "     ***** DEFLECTION OFF Q - W CURVES *****");
}

TEST(TReportViewer, GoesToTheFirstErrorOrWarningLine) {
    QTemporaryDir dir;
    const QString report = QDir(dir.path()).filePath("Wall.kd5o");
    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "     RESULTS -- ITERATION  3\n\n"
        "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n"
        "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n");
    file.close();
    TReportViewer viewer;
    QString error;
    ASSERT_TRUE(viewer.open(report, error));
    ASSERT_TRUE(viewer.goToFirstProblem());
    EXPECT_EQ(viewer.page().textCursor().block().blockNumber(), 2);

    EXPECT_FALSE(viewer.open(QDir(dir.path()).filePath("Gone.kd5o"), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(viewer.fileName(), report);  // what was shown stays
}

TEST(TReportViewer, ProblemLinesAreTheEnginesErrorsAndWarnings) {
    struct Case {
        const char* line;
        bool problem;
    };
    const Case cases[] = {
        {"     ERROR STOP -- STATIONS NOT IN ORDER", true},
        {"     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***", true},
        {"          **** WARNING ******", true},
        {"     TOO MUCH DATA FOR AVAILABLE STORAGE", true},
        {"     RESULTS -- ITERATION  3", false},
        {"   STA I      X", false},
        {"      **************************************************", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TReportViewer::isProblemLine(QString(c.line)), c.problem) << c.line;
}

}  // namespace

// The "Results Summary" window after a run of the real engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>

#include "app/main/resultssummarywindow.h"
#include "mainformfixture.h"

namespace {

QStringList headerLabels(const QTableWidget& table) {
    QStringList labels;
    for (int c = 0; c < table.columnCount(); ++c) labels << table.horizontalHeaderItem(c)->text();
    return labels;
}

void click(const QWidget& window, const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button->click();
    ADD_FAILURE() << "no button " << caption.toStdString();
}

}  // namespace

TEST(ResultsSummaryWindow, ShowsEveryStageSideBySideAndCopiesTheTable) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    const QString project = f.path("two_stage.kd5d");
    ASSERT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/two_stage.kd5d", project));
    ASSERT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    const TMainActions& a = f.form->actions();
    EXPECT_FALSE(a.resultsSummary->isEnabled()) << "no results yet";
    EXPECT_TRUE(f.menuCaptions("&Computation").contains("Results Summary"));

    f.form->runAnalysis();
    ASSERT_TRUE(f.form->resultsLoaded());
    ASSERT_TRUE(a.resultsSummary->isEnabled());
    EXPECT_EQ(a.resultsSummary->toolTip(), "Results Summary");
    a.resultsSummary->trigger();
    QMdiSubWindow* child = f.form->mdiArea()->activeSubWindow();
    ASSERT_NE(child, nullptr);
    auto* window = qobject_cast<TResultsSummaryWindow*>(child->widget());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(child->windowTitle(), "Results Summary");
    EXPECT_EQ(headerLabels(window->table()),
              (QStringList{"Quantity", "Unit", "Stage 1", "Stage 2"}));

    click(*window, "Copy as Tab-Separated Values");
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Quantity\tUnit\tStage 1\tStage 2\n"
              "Iterations\t\t2\t2\n"
              "Solution\t\tclosed\tclosed\n"
              "Warnings\t\tnone\tnone\n"
              "Deflection at top\tIN\t0.09505\t0.1045\n"
              "Largest deflection\tIN\t0.09505\t0.1045\n"
              "Depth of largest deflection\tIN\t0.0000\t0.0000\n"
              "Largest bending moment\tLBS-IN\t39190\t26660\n"
              "Depth of largest moment\tIN\t120.0\t174.0\n"
              "Largest shear\tLBS\t747.2\t916.2\n"
              "Depth of largest shear\tIN\t78.00\t126.0\n"
              "Largest soil reaction\tLBS\t-123.9\t-1050\n"
              "Depth of largest soil reaction\tIN\t108.0\t48.00\n"
              "Wall length\tIN\t240\t240\n"
              "Free height\tIN\t72\t120\n"
              "Embedment below excavation\tIN\t168\t120\n"
              "Tieback 1 depth\tIN\t\t48.00\n"
              "Tieback 1 force\tLBS\t\t1130\n");

    click(*window, "Copy as Text");
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Quantity                        Unit    Stage 1  Stage 2\n"))
        << text.toStdString();
    EXPECT_TRUE(
        text.endsWith("\nA tieback's force is its stiffness times the deflection at its "
                      "station, positive when the anchor is in tension.\n"
                      "Stage 1: Subdivision check: not applicable (the problem has "
                      "user-specified p-y curves)\n"
                      "Stage 2: Subdivision check: not applicable (the problem has "
                      "user-specified p-y curves)\n"))
        << text.toStdString();
    EXPECT_TRUE(
        window->notes().text().startsWith("The largest values are those of the largest "
                                          "magnitude, with their sign."));

    // Shown again, not created twice; a new run closes it with the other windows.
    a.resultsSummary->trigger();
    EXPECT_EQ(f.form->mdiArea()->subWindowList().size(), 1);
}

// The "Design Studies" window on a saved project, with the real engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "app/main/designstudieswindow.h"
#include "app/project/textfile.h"
#include "mainformfixture.h"

namespace {

// Lets the study's thread run and its results arrive.
bool waitUntilDone(const TDesignStudiesWindow& window) {
    QElapsedTimer timer;
    timer.start();
    while (window.running() && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !window.running();
}

TDesignStudiesWindow* openWindow(TMainFormFixture& f, const QString& example) {
    const QString project = f.path(example);
    EXPECT_TRUE(QFile::copy(KELDRA_SOURCE_DIR "/examples/" + example, project));
    EXPECT_TRUE(f.form->openFileByName(project, TFileLayout::Current));
    EXPECT_TRUE(f.menuCaptions("&Computation").contains("Design Studies..."));
    f.form->actions().designStudies->trigger();
    QMdiSubWindow* child = f.form->mdiArea()->activeSubWindow();
    return child == nullptr ? nullptr : qobject_cast<TDesignStudiesWindow*>(child->widget());
}

// The number of pixels of the plot drawn in `colour`.
int PixelsOf(QWidget& plot, QColor colour) {
    const QImage image = plot.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
}

void runEmbedmentStudy(TDesignStudiesWindow& window, const QStringList& range) {
    for (int k = 0; k < range.size(); ++k) window.field(k).setText(range[k]);
    window.runButton().click();
    EXPECT_TRUE(window.cancelButton().isEnabled());
    EXPECT_TRUE(waitUntilDone(window));
}

}  // namespace

TEST(DesignStudiesWindow, EmbedmentStudyFillsTheTableCopiesItAndOpensAStudiedProject) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    TDesignStudiesWindow* window = openWindow(f, "sand_generated.kd5d");
    ASSERT_NE(window, nullptr);
    runEmbedmentStudy(*window, {"60", "120", "30"});
    ASSERT_EQ(window->table().rowCount(), 3);
    EXPECT_EQ(window->table().item(2, 0)->text(), "120");
    EXPECT_EQ(window->table().item(2, 9)->text(), "sand_generated-ninc50.kd5d");
    EXPECT_EQ(window->verdict().text(), "critical embedment: 120 in");
    EXPECT_TRUE(QFile::exists(window->studyFolder() + "/sand_generated-ninc50.kd5o"));
    window->copyTable();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("embedment (in)\twall length (in)\t"));

    // The plot shows the three closing embedments as points on a curve.
    QWidget& plot = *window->results().widget(1);
    EXPECT_TRUE(window->results().isTabEnabled(1));
    plot.resize(700, 600);
    EXPECT_GT(PixelsOf(plot, QColor(Qt::darkBlue)), 100);

    // The table is saved as keldra-study writes it, the plot as SVG.
    f.prompts->fileNames = {f.path("table.csv"), f.path("plot.svg")};
    window->saveTable();
    window->savePlot();
    const QString folder = window->studyFolder();
    EXPECT_EQ(f.log.dialogTitles,
              QStringList({"Save Table | " + folder + "/sand_generated-embedment.csv",
                           "Save Plot | " + folder + "/sand_generated-embedment.svg"}));
    const QStringList csv = QString::fromUtf8(readTextFile(f.path("table.csv"))).split('\n');
    ASSERT_EQ(csv.size(), 5);  // a header, three rows and the end of the last line
    EXPECT_TRUE(csv[0].startsWith("embedment (in),wall length (in),closed,iterations,"));
    EXPECT_TRUE(csv[3].startsWith("120,300,1,"));
    EXPECT_TRUE(csv[3].endsWith(",sand_generated-ninc50.kd5d"));
    const QByteArray svg = readTextFile(f.path("plot.svg"));
    EXPECT_TRUE(svg.contains("top deflection (in)"));
    EXPECT_TRUE(svg.contains("max |moment| (LBS-IN)"));

    // A file that cannot be written is told, and the study stays.
    f.prompts->fileNames = {f.path("no-such-folder/table.csv")};
    window->saveTable();
    ASSERT_EQ(f.log.warnings.size(), 1);
    EXPECT_TRUE(
        f.log.warnings[0].startsWith("Cannot write file \"" + f.path("no-such-folder/table.csv")));
    EXPECT_EQ(window->table().rowCount(), 3);

    const QString studied = window->studyFolder() + "/sand_generated-ninc50.kd5d";
    emit window->table().cellDoubleClicked(2, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.form->session().fileName(), studied);
    EXPECT_EQ(f.form->session().project().wall.increments, 50);
}

TEST(DesignStudiesWindow, BadRangeAndCancelSayWhatHappened) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    TDesignStudiesWindow* window = openWindow(f, "sand_generated.kd5d");
    ASSERT_NE(window, nullptr);
    runEmbedmentStudy(*window, {"120", "60", "30"});
    EXPECT_EQ(window->verdict().text(),
              "the range is empty: it starts at 120 in and ends at 60 in");

    window->study().setCurrentIndex(1);  // strength
    window->runButton().click();
    window->cancel();
    ASSERT_TRUE(waitUntilDone(*window));
    EXPECT_EQ(window->verdict().text(), "The study was cancelled.");
}

TEST(DesignStudiesWindow, AStrengthStudyHasATableToSaveAndNoPlot) {
    TMainFormFixture f(QCoreApplication::applicationDirPath());
    TDesignStudiesWindow* window = openWindow(f, "sand_generated.kd5d");
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->savePlotButton().isEnabled());  // nothing studied yet
    window->study().setCurrentIndex(1);
    runEmbedmentStudy(*window, {"0.5", "2"});
    EXPECT_TRUE(window->verdict().text().startsWith("factor of safety: "));
    EXPECT_FALSE(window->results().isTabEnabled(1));
    EXPECT_FALSE(window->savePlotButton().isEnabled());
    f.prompts->fileNames = {f.path("strength.csv")};
    window->saveTable();
    EXPECT_EQ(f.log.dialogTitles, QStringList({"Save Table | " + window->studyFolder() +
                                               "/sand_generated-strength.csv"}));
    EXPECT_TRUE(QString::fromUtf8(readTextFile(f.path("strength.csv"))).startsWith("factor,"));
}

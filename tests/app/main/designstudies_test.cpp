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
#include <QTableWidget>

#include "app/main/designstudieswindow.h"
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

#include "app/export/exportdlg.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <array>

#include "app/export/zipentries.h"
#include "app/graphs/graphplot.h"
#include "tests/app/main/qtprint.h"

namespace {

const QStringList kCaptions = {"p-y Curves",
                               "Deflection vs Depth",
                               "Shear vs Depth",
                               "Moment vs Depth",
                               "Soil Reaction vs Depth",
                               "Earth Pressure Distribution",
                               "Earth Pressure Combined"};

// The seven graphs of the list, each with one two-point curve, and their commands' states.
struct TChoicesFixture {
    std::array<TGraphPlot, 7> graphs;
    std::array<bool, 7> enabled{true, true, true, true, true, true, true};

    TChoicesFixture() {
        for (int i = 0; i < 7; ++i) {
            graphs[i].Caption = kCaptions[i];
            graphs[i].SetLineCount(TCurveList::Lines, 1);
            graphs[i].SetPointCount(TCurveList::Lines, 2);
        }
    }
    TExportChoices choices() {
        return [this] {
            std::vector<TExportChoice> out;
            for (int i = 0; i < 7; ++i) out.push_back({&graphs[i], enabled[i]});
            return out;
        };
    }
};

// A dialog whose save question, messages and opening are recorded.
struct TDialogFixture : TChoicesFixture {
    QTemporaryDir folder;
    TDlgExport dialog{choices(), folder.filePath("Wall.kd5d")};
    QString chosen;  // what the save question answers
    QStringList proposed, shown, opened;
    bool opens = true;

    TDialogFixture() {
        chosen = folder.filePath("Wall-plots.xlsx");
        dialog.setWorkbookChooser([this](const QString& name) {
            proposed << name;
            return chosen;
        });
        dialog.setMessageSink([this](const QString& message) { shown << message; });
        dialog.setWorkbookOpener([this](const QString& name) {
            opened << name;
            return opens;
        });
    }

    [[nodiscard]] QStringList ticked() const {
        QStringList out;
        for (int i = 0; i < dialog.CheckListBoxPlots()->count(); ++i)
            if (dialog.CheckListBoxPlots()->item(i)->checkState() == Qt::Checked)
                out << dialog.CheckListBoxPlots()->item(i)->text();
        return out;
    }
    [[nodiscard]] QStringList sheetsWritten() const {
        const QByteArray workbook = [this] {
            for (const TZipEntry& e : ReadZipEntries(chosen))
                if (e.name == "xl/workbook.xml") return e.data;
            return QByteArray();
        }();
        QStringList names;
        for (qsizetype at = workbook.indexOf("name=\""); at >= 0;
             at = workbook.indexOf("name=\"", at + 1)) {
            const qsizetype start = at + 6;
            names << QString::fromUtf8(workbook.mid(start, workbook.indexOf('"', start) - start));
        }
        return names;
    }
};

QPushButton* button(const QWidget& dialog, const QString& text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

}  // namespace

TEST(TDlgExport, ShowsItsListButtonsAndNotes) {
    TDialogFixture f;
    EXPECT_EQ(f.dialog.windowTitle(), "Export to Excel");
    EXPECT_EQ(f.dialog.CheckListBoxPlots()->objectName(), "CheckListBoxPlots");
    ASSERT_EQ(f.dialog.findChildren<QGroupBox*>().size(), 1);
    EXPECT_EQ(f.dialog.findChildren<QGroupBox*>()[0]->title(), "Available Plots");
    for (const char* text : {"Select All", "Unselect All", "Generate Excel File", "Close Window"})
        EXPECT_NE(button(f.dialog, text), nullptr) << text;
    QStringList notes;
    for (const QLabel* label : f.dialog.findChildren<QLabel*>()) notes << label->text();
    EXPECT_EQ(notes, (QStringList{"An Excel instance (if available) will open. ",
                                  "Please wait until all the data has been exported to Excel.",
                                  "The workbook is saved where you choose and opens when it is "
                                  "complete."}));

    // A picture of the dialog when KELDRA_RENDER_DIR names a folder.
    const QString dir = qEnvironmentVariable("KELDRA_RENDER_DIR");
    if (dir.isEmpty()) return;
    f.enabled[4] = false;
    f.dialog.show();
    EXPECT_TRUE(f.dialog.grab().save(QDir(dir).filePath("Export to Excel.png")));
}

TEST(TDlgExport, ActivationTicksExactlyTheEnabledGraphs) {
    TDialogFixture f;
    f.enabled = {true, true, false, true, false, true, true};
    f.dialog.show();
    QListWidget* list = f.dialog.CheckListBoxPlots();
    ASSERT_EQ(list->count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list->item(i)->text(), kCaptions[i]);
        EXPECT_EQ(bool(list->item(i)->flags() & Qt::ItemIsEnabled), f.enabled[i]) << i;
    }
    EXPECT_EQ(f.ticked(), (QStringList{"p-y Curves", "Deflection vs Depth", "Moment vs Depth",
                                       "Earth Pressure Distribution", "Earth Pressure Combined"}));
    EXPECT_TRUE(f.dialog.btnGenerate()->isEnabled());

    // The next activation looks at the commands again.
    f.dialog.hide();
    f.enabled.fill(false);
    f.dialog.show();
    EXPECT_TRUE(f.ticked().isEmpty());
    EXPECT_FALSE(f.dialog.btnGenerate()->isEnabled());
}

TEST(TDlgExport, SelectAndUnselectAllTouchOnlyEnabledEntries) {
    TDialogFixture f;
    f.enabled = {false, true, true, true, true, true, true};
    f.dialog.refill();
    button(f.dialog, "Unselect All")->click();
    EXPECT_TRUE(f.ticked().isEmpty());
    EXPECT_FALSE(f.dialog.btnGenerate()->isEnabled());
    button(f.dialog, "Select All")->click();
    EXPECT_EQ(f.ticked(), kCaptions.mid(1));
    EXPECT_TRUE(f.dialog.btnGenerate()->isEnabled());
}

TEST(TDlgExport, GeneratesTheTickedGraphsInListOrderAndOpensTheWorkbook) {
    TDialogFixture f;
    f.dialog.refill();
    for (int i : {0, 2, 3, 4, 6})
        f.dialog.CheckListBoxPlots()->item(i)->setCheckState(Qt::Unchecked);
    f.dialog.btnGenerate()->click();
    EXPECT_EQ(f.proposed, QStringList{f.folder.filePath("Wall-plots.xlsx")});
    EXPECT_EQ(f.opened, QStringList{f.chosen});
    EXPECT_TRUE(f.shown.isEmpty()) << f.shown.join('\n').toStdString();
    EXPECT_EQ(f.sheetsWritten(), (QStringList{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
    EXPECT_EQ(f.dialog.findChildren<QLabel*>().constLast()->text(),
              QString("The workbook was saved as \"%1\".").arg(QDir::toNativeSeparators(f.chosen)));
}

TEST(TDlgExport, UntickingEveryEntryByHandExportsOnlyTheLegend) {
    TDialogFixture f;
    f.dialog.refill();
    for (int i = 0; i < 7; ++i) f.dialog.CheckListBoxPlots()->item(i)->setCheckState(Qt::Unchecked);
    ASSERT_TRUE(f.dialog.btnGenerate()->isEnabled());
    f.dialog.btnGenerate()->click();
    EXPECT_EQ(f.sheetsWritten(), QStringList{"Legend"});
}

TEST(TDlgExport, SaysWhereTheWorkbookIsWhenNothingOpensIt) {
    TDialogFixture f;
    f.opens = false;
    f.dialog.refill();
    f.dialog.generate();
    EXPECT_EQ(f.shown, QStringList{QString("No application opened the workbook. It was saved as "
                                           "\"%1\".")
                                       .arg(QDir::toNativeSeparators(f.chosen))});
}

TEST(TDlgExport, CancelOrFailureOpensNothing) {
    TDialogFixture f;
    f.dialog.refill();
    f.chosen.clear();
    f.dialog.generate();
    EXPECT_TRUE(f.shown.isEmpty());

    f.chosen = f.folder.filePath("gone/Wall-plots.xlsx");
    f.dialog.generate();
    ASSERT_EQ(f.shown.size(), 1);
    EXPECT_TRUE(f.shown[0].startsWith("The plots could not be exported to"))
        << f.shown[0].toStdString();
    EXPECT_TRUE(f.opened.isEmpty());
}

TEST(TDlgExport, ProposesTheProjectNameWithPlotsBesideTheProject) {
    EXPECT_EQ(TDlgExport::ProposedFileName("/work/walls/My.Wall.kd5d"),
              "/work/walls/My.Wall-plots.xlsx");
    EXPECT_EQ(TDlgExport::ProposedFileName("/work/walls/NewWall.kd5d"),
              "/work/walls/NewWall-plots.xlsx");
}

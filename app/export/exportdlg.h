#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "app/graphs/messagesink.h"

class QLabel;
class QListWidget;
class QPushButton;
class TGraphPlot;

// One entry of the export list: a graph and whether its Graphics command is enabled.
struct TExportChoice {
    const TGraphPlot* graph;
    bool enabled;
};
// The seven graphs the export offers, in list order, with their commands' states as they are now.
using TExportChoices = std::function<std::vector<TExportChoice>()>;
// Asks where to save the workbook, proposing a name; empty when the user cancels.
using TWorkbookChooser = std::function<QString(const QString& proposedName)>;
// Opens a saved workbook in the desktop's application for it; false when none opened it.
using TWorkbookOpener = std::function<bool(const QString& fileName)>;

// "Export to Excel": the graphs ticked in the list become the plots of a new workbook, which is
// saved where the user chooses and opened in the desktop's spreadsheet application.
class TDlgExport : public QDialog {
    Q_OBJECT

  public:
    TDlgExport(TExportChoices choices, const QString& projectFileName, QWidget* parent = nullptr);

    void setMessageSink(TMessageSink sink) { m_message = std::move(sink); }
    void setWorkbookChooser(TWorkbookChooser chooser) { m_choose = std::move(chooser); }
    void setWorkbookOpener(TWorkbookOpener opener) { m_open = std::move(opener); }

    // The name proposed for the workbook: the project's name with "-plots.xlsx", beside it.
    [[nodiscard]] static QString ProposedFileName(const QString& projectFileName);

    [[nodiscard]] QListWidget* CheckListBoxPlots() const { return m_plots; }
    [[nodiscard]] QPushButton* btnGenerate() const { return m_generate; }

    // Fills the list afresh: every graph's caption, enabled and ticked exactly when its command
    // is enabled. Runs whenever the dialog is shown.
    void refill();
    // Ticks or unticks every enabled entry.
    void tickAll(bool ticked);
    // "Generate Excel File": exports the ticked graphs, in list order.
    void generate();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void updateGenerate();
    [[nodiscard]] std::vector<const TGraphPlot*> tickedGraphs() const;

    TExportChoices m_choices;
    std::vector<const TGraphPlot*> m_listed;  // the graph of each list entry
    QString m_projectFileName;
    QListWidget* m_plots;
    QPushButton* m_selectAll;
    QPushButton* m_unselectAll;
    QPushButton* m_generate;
    QPushButton* m_close;
    QLabel* m_savedNote;  // where the last workbook was saved
    TMessageSink m_message;
    TWorkbookChooser m_choose;
    TWorkbookOpener m_open;
};

// "Export Plots To Excel": the result graphs go to a workbook through the export dialog.
// "Export Calculation Report (PDF)...": the report of the saved project, with the subdivision
// check when it is on, opened when written.
#include <QAction>
#include <vector>

#include "app/export/exportdlg.h"
#include "app/main/mainactions.h"
#include "app/main/mainform.h"
#include "app/report/calculationreport.h"
#include "app/widgets/userprompts.h"
#include "app/widgets/waitcursor.h"

namespace {

// The graphs in the order the export lists them.
constexpr TGraph kExportOrder[] = {
    TGraph::PyCurves, TGraph::Deflection,    TGraph::Shear,           TGraph::Moment,
    TGraph::Reaction, TGraph::EarthPressure, TGraph::PressureCombined};

}  // namespace

void TMainForm::exportPlots() {
    // Each entry follows the state of its Graphics command when the dialog is shown.
    auto choices = [this] {
        refreshCommands();
        std::vector<TExportChoice> out;
        for (TGraph graph : kExportOrder)
            out.push_back({&graphOf(graph), graphAction(m_actions, graph)->isEnabled()});
        return out;
    };
    TDlgExport dialog(choices, m_session.fileName(), this);
    dialog.setMessageSink(
        [this, &dialog](const QString& text) { m_prompts->information(&dialog, text); });
    dialog.setWorkbookChooser([this, &dialog](const QString& proposedName) {
        return m_prompts->saveFileName(&dialog, "Export to Excel", proposedName,
                                       "Excel Workbook (*.xlsx)", "xlsx");
    });
    dialog.exec();
}

void TMainForm::exportCalculationReport() {
    if (!fileSave() || m_session.isNew()) return;
    const QString projectFile = m_session.fileName();
    const QString pdf =
        m_prompts->saveFileName(this, "Export Calculation Report", DefaultReportFile(projectFile),
                                "PDF Document (*.pdf)", "pdf");
    if (pdf.isEmpty()) return;
    if (!ResultsAreCurrent(projectFile)) {
        if (!inputChecksPass()) return;
        const TRunFiles files = TRunFiles::forProject(projectFile);
        const TRunResult result = runEngine(files);
        reportRun(result, files);
        if (result.outcome != TRunOutcome::Completed) return;
    }
    TReportOptions options;
    if (m_settings.subdivisionCheck) options.checkEngine = m_engine.libraryPath();
    QString error;
    {
        const TWaitCursor wait;
        error = WriteCalculationReport(m_session.project(), projectFile, pdf, options);
    }
    if (!error.isEmpty()) {
        m_prompts->information(this, error);
        return;
    }
    if (!m_prompts->openDocument(pdf))
        m_prompts->information(this, "The report was written to \"" + pdf +
                                         "\" but no program to show it could be started.");
}

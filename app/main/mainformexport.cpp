// "Export Plots To Excel": the result graphs go to a workbook through the export dialog.
#include <QAction>
#include <vector>

#include "app/export/exportdlg.h"
#include "app/main/mainactions.h"
#include "app/main/mainform.h"
#include "app/main/userprompts.h"

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

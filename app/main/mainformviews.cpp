// The geometry views of the main window: the side view, the 3D view and the 3D view's tool
// buttons and "Show 3DView" menu.
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

#include "app/main/mainform.h"
#include "app/views/dlgblock.h"
#include "app/views/dlgsideview.h"
#include "app/views/viewcommands.h"

namespace {

const QString kSideViewWindow = QStringLiteral("SideView");
const QString k3DViewWindow = QStringLiteral("View3D");

}  // namespace

std::vector<double> TMainForm::firstDeflectionCurve() const {
    std::vector<double> deflection;
    const auto& curves = m_graphs.pltDef.Lines();
    if (!m_resultsLoaded || curves.empty()) return deflection;
    for (const TFloatPoint& point : curves.front().Points) deflection.push_back(point.X);
    return deflection;
}

void TMainForm::connectViewActions() {
    m_viewCommands = new TViewCommands(
        [this] { return graphAction(m_actions, TGraph::Deflection)->isEnabled(); }, this);
    // The 3D view's tool bar and menu are there only while the view is open.
    QToolBar* viewTools = addToolBar(QStringLiteral("3D View"));
    viewTools->setObjectName(QStringLiteral("View3DToolBar"));
    viewTools->addActions(m_viewCommands->toolActions());
    viewTools->hide();
    const auto showViewCommands = [this, viewTools](TDlgBlock& view) {
        if (m_viewCommands->view() == &view) return;
        m_viewCommands->attach(view);
        menuBar()->insertMenu(m_windowMenu->menuAction(), &m_viewCommands->showMenu());
        viewTools->show();
        connect(&view, &QObject::destroyed, this, [this, viewTools] {
            menuBar()->removeAction(m_viewCommands->showMenu().menuAction());
            viewTools->hide();
        });
    };
    const auto project = [this]() -> const TProgramData* { return &m_session.project(); };

    connect(m_actions.viewWallGeometry, &QAction::triggered, this, [this, project] {
        showChildWindow(kSideViewWindow, [project] { return new TDlgSideView(project); });
    });
    connect(m_actions.view3D, &QAction::triggered, this, [this, project, showViewCommands] {
        QMdiSubWindow* child = showChildWindow(k3DViewWindow, [this, project] {
            auto* view = new TDlgBlock(project, [this] { return firstDeflectionCurve(); });
            view->reportContextError = [this](const QString& message) {
                m_prompts->information(this, message);
            };
            return view;
        });
        if (auto* view = qobject_cast<TDlgBlock*>(child->widget())) showViewCommands(*view);
    });
}

#include "app/views/viewcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/views/dlgblock.h"
#include "app/views/viewstate.h"

TViewCommands::TViewCommands(std::function<bool()> deflectionGraphEnabled, QObject* parent)
    : QObject(parent),
      m_deflectionGraphEnabled(std::move(deflectionGraphEnabled)),
      m_modes(new QActionGroup(this)),
      m_showMenu(new QMenu(QStringLiteral("Show 3DView"))) {
    auto make = [this](const char* text) {
        auto* action = new QAction(QString::fromLatin1(text), this);
        action->setVisible(false);
        return action;
    };
    panning = make("Panning");
    zoomWindow = make("Zoom Window");
    zooming = make("Zooming");
    rotating = make("Rotating");
    zoomIn = make("Zoom In");
    zoomOut = make("Zoom Out");
    restartView = make("Restart View");
    deformedShape = make("Deformed Shape");
    for (QAction* mode : {panning, zoomWindow, zooming, rotating}) {
        mode->setCheckable(true);
        m_modes->addAction(mode);
    }
    rotating->setChecked(true);
    m_showMenu->menuAction()->setVisible(false);
    connect(this, &QObject::destroyed, m_showMenu, &QObject::deleteLater);

    const auto onView = [this](auto act) {
        return [this, act] {
            if (m_view) act(*m_view);
        };
    };
    connect(panning, &QAction::triggered, this,
            onView([](TDlgBlock& v) { v.setMouseMode(T3DViewState::Panning); }));
    connect(zoomWindow, &QAction::triggered, this,
            onView([](TDlgBlock& v) { v.setMouseMode(T3DViewState::ZoomWindow); }));
    connect(zooming, &QAction::triggered, this,
            onView([](TDlgBlock& v) { v.setMouseMode(T3DViewState::Zooming); }));
    connect(rotating, &QAction::triggered, this,
            onView([](TDlgBlock& v) { v.setMouseMode(T3DViewState::Rotating); }));
    connect(zoomIn, &QAction::triggered, this, onView([](TDlgBlock& v) { v.zoomIn(); }));
    connect(zoomOut, &QAction::triggered, this, onView([](TDlgBlock& v) { v.zoomOut(); }));
    connect(restartView, &QAction::triggered, this, onView([](TDlgBlock& v) { v.restartView(); }));
    connect(deformedShape, &QAction::triggered, this,
            onView([](TDlgBlock& v) { v.showDeformedShapeDialog(); }));
    connect(m_showMenu, &QMenu::aboutToShow, this, &TViewCommands::refresh);
}

QList<QAction*> TViewCommands::toolActions() const {
    return {panning, zoomWindow, zooming, rotating, zoomIn, zoomOut, restartView, deformedShape};
}

void TViewCommands::attach(TDlgBlock& view) {
    if (m_view == &view) return;
    m_view = &view;
    m_showMenu->clear();
    view.fillShowMenu(*m_showMenu);
    rotating->setChecked(true);
    view.setMouseMode(T3DViewState::Rotating);
    connect(&view, &QObject::destroyed, this, [this] {
        m_showMenu->clear();
        setVisible(false);
    });
    setVisible(true);
    refresh();
}

void TViewCommands::refresh() {
    deformedShape->setEnabled(m_view && m_deflectionGraphEnabled() &&
                              m_view->deformedShapeAvailable());
}

void TViewCommands::setVisible(bool visible) {
    for (QAction* action : toolActions()) action->setVisible(visible);
    m_showMenu->menuAction()->setVisible(visible);
}

#include "app/views/dlgblock.h"

#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/project/programdata.h"
#include "app/views/dlgdeformedshape.h"
#include "app/views/glwindow.h"
#include "app/views/scenerenderer.h"
#include "app/views/soilscene.h"
#include "app/views/structurescene.h"

namespace {

// The display lists of the scene, called in this order.
constexpr unsigned kEmptyList = 1;
constexpr unsigned kStructureList = 2;
constexpr unsigned kSoilList = 5;
constexpr double kAxisPixels = 80.0;

}  // namespace

TDlgBlock::TDlgBlock(TProjectSource project, TDeflectionSource deflection, QWidget* parent)
    : QWidget(parent),
      m_project(std::move(project)),
      m_deflection(std::move(deflection)),
      m_gl(new TglWindow(this)) {
    setWindowTitle(QStringLiteral("3-D View"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gl);
    m_gl->installEventFilter(this);

    m_gl->OnPaint = [this] {
        if (!m_gl->FirstPaintDone() || m_gl->TakeRedrawRequest()) setup();
        draw();
    };
    m_gl->OnRelease = [this] { releaseLists(); };
    m_gl->OnMouseDown = [this](QMouseEvent& event) {
        if (event.button() == Qt::LeftButton) m_view.press(event.position().toPoint());
    };
    m_gl->OnMouseMove = [this](QMouseEvent& event) {
        if (!(event.buttons() & Qt::LeftButton)) return;
        m_view.drag(event.position().toPoint(), event.modifiers() & Qt::ShiftModifier, m_gl->size(),
                    m_fitScale);
        m_gl->update();
    };
    m_gl->OnMouseUp = [this](QMouseEvent& event) {
        if (event.button() != Qt::LeftButton) return;
        m_view.release(event.position().toPoint(), m_gl->size(), m_fitScale);
        m_gl->update();
    };
}

TDlgBlock::~TDlgBlock() {
    // The lists go with this window; the control must not call back into it afterwards.
    m_gl->OnRelease = nullptr;
    m_gl->OnPaint = nullptr;
    if (m_listsCompiled && m_gl->context()) {
        m_gl->makeCurrent();
        releaseLists();
        m_gl->doneCurrent();
    }
}

void TDlgBlock::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_dims) computeDimensions();
    // The context exists once the control has been shown; tell the user if it failed.
    QTimer::singleShot(0, this, [this] {
        if (m_gl->contextError().isEmpty() || m_contextErrorShown) return;
        m_contextErrorShown = true;
        if (reportContextError)
            reportContextError(m_gl->contextError());
        else
            QMessageBox::information(this, windowTitle(), m_gl->contextError());
    });
}

void TDlgBlock::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_gl->RequestRedraw();
}

void TDlgBlock::computeDimensions() {
    if (const TProgramData* project = m_project()) m_dims = TSceneDimensions::of(*project);
}

bool TDlgBlock::deformedShapeAvailable() const { return m_deflection().size() > 1; }

void TDlgBlock::setSwitches(const TDisplaySwitches& switches) {
    m_switches = switches;
    rebuild();
}

void TDlgBlock::rebuild() {
    m_gl->RequestRedraw();
    m_gl->update();
}

void TDlgBlock::zoomIn() {
    m_view.zoomIn();
    m_gl->update();
}

void TDlgBlock::zoomOut() {
    m_view.zoomOut();
    m_gl->update();
}

void TDlgBlock::restartView() {
    m_view.restart();
    m_gl->update();
}

void TDlgBlock::setViewAngles(TVec3 degrees) {
    m_view.angles = degrees;
    m_gl->update();
}

void TDlgBlock::setMouseMode(int mode) {
    m_view.mode = static_cast<T3DViewState::TMouseMode>(mode);
    m_view.zoomWindow = mode == T3DViewState::ZoomWindow;
}

void TDlgBlock::setZoomWindow(bool on) {
    m_view.zoomWindow = on;
    if (on) m_view.mode = T3DViewState::ZoomWindow;
}

double TDlgBlock::wallLength() const {
    const TProgramData* project = m_project();
    return project ? project->wall.increments * project->wall.incrementLength : 0.0;
}

bool TDlgBlock::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_gl && event->type() == QEvent::Wheel) {
        const int turned = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (turned > 0) zoomIn();
        if (turned < 0) zoomOut();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The dialog stands to the right of the view where the screen has room, else to its left, so
// the model it changes stays in sight.
void TDlgBlock::placeBeside(QWidget& dialog) const {
    constexpr int kGap = 8;
    dialog.adjustSize();
    const QRect view(mapToGlobal(QPoint(0, 0)), size());
    const QScreen* screen = this->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint at(view.right() + kGap, view.top());
    if (room.isValid() && at.x() + dialog.frameGeometry().width() > room.right())
        at.setX(std::max(room.left(), view.left() - kGap - dialog.frameGeometry().width()));
    dialog.move(at);
}

void TDlgBlock::showDeformedShapeDialog() {
    if (!m_deformedShapeDialog) {
        m_deformedShapeDialog = new TDlgDeformedShape(*this);
        placeBeside(*m_deformedShapeDialog);
    }
    m_deformedShapeDialog->show();
    m_deformedShapeDialog->raise();
    m_deformedShapeDialog->activateWindow();
}

void TDlgBlock::fillShowMenu(QMenu& menu) {
    struct TItem {
        const char* caption;
        bool TDisplaySwitches::*flag;
    };
    static constexpr TItem kItems[] = {
        {"Wall", &TDisplaySwitches::wall},
        {"Soil Layers", &TDisplaySwitches::soilLayers},
        {"Water Level", &TDisplaySwitches::waterLevel},
        {"Additional Surcharge", &TDisplaySwitches::additionalSurcharge},
        {"Concentrated Loads", &TDisplaySwitches::concentratedLoads},
        {"Tie Backs", &TDisplaySwitches::tieBacks},
        {"Boundary Conditions", &TDisplaySwitches::boundaryConditions},
        {"Lateral Springs", &TDisplaySwitches::lateralSprings},
    };
    std::vector<std::pair<QAction*, bool TDisplaySwitches::*>> items;
    for (const TItem& item : kItems) {
        QAction* action = menu.addAction(QString::fromLatin1(item.caption));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, flag = item.flag](bool on) {
            TDisplaySwitches changed = m_switches;
            changed.*flag = on;
            setSwitches(changed);
        });
        items.emplace_back(action, item.flag);
    }
    QAction* deformed = menu.addAction(QStringLiteral("Deformed Shape"));
    deformed->setCheckable(true);
    connect(deformed, &QAction::triggered, this, [this, deformed] {
        deformed->setChecked(m_switches.deformedShape);
        showDeformedShapeDialog();
    });
    connect(&menu, &QMenu::aboutToShow, this, [this, items, deformed] {
        for (const auto& [action, flag] : items) action->setChecked(m_switches.*flag);
        deformed->setChecked(m_switches.deformedShape);
        deformed->setEnabled(deformedShapeAvailable());
    });
}

void TDlgBlock::setup() {
    if (!m_dims) computeDimensions();
    const TProgramData* project = m_project();
    m_gl->ClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    m_fitScale = m_dims ? m_dims->fitScale(m_gl->width(), m_gl->height()) : 1.0;
    if (m_fitScale <= 0.0 || !std::isfinite(m_fitScale)) m_fitScale = 1.0;
    m_gl->BlendFunc(TglWindow::glSrcAlpha(), TglWindow::glOneMinusSrcAlpha());
    m_gl->Enable(TglWindow::glBlend());

    TSceneRenderer renderer(*m_gl);
    m_gl->NewList(kEmptyList, TglWindow::glCompile());
    m_gl->EndList();
    m_gl->NewList(kSoilList, TglWindow::glCompile());
    if (project && m_dims) renderer.draw(TSoilScene::build(*project, *m_dims, m_switches));
    m_gl->EndList();
    m_gl->NewList(kStructureList, TglWindow::glCompile());
    if (project && m_dims) {
        const std::vector<double> deflection =
            m_switches.deformedShape ? m_deflection() : std::vector<double>();
        renderer.draw(TStructureScene::build(*project, *m_dims, m_switches, deflection));
    }
    m_gl->EndList();
    m_listsCompiled = true;
}

void TDlgBlock::draw() {
    const double w = m_gl->width();
    const double h = m_gl->height();
    const double scale = m_view.zoom * m_fitScale;
    // Orthographic, one unit per pixel about the window centre; the depth range holds the
    // whole scene at any rotation and pan.
    double radius = std::max(w, h);
    if (m_dims) {
        const double run = m_dims->panelWidth * TSceneDimensions::kPanels;
        const TVec3& p = m_view.pans;
        radius += scale * (std::hypot(2 * m_dims->soilExtent, run, 2 * m_dims->deepest) +
                           std::hypot(p.x, p.y, p.z));
    }
    m_gl->MatrixMode(TglWindow::glProjection());
    m_gl->LoadIdentity();
    m_gl->Ortho(-w / 2, w / 2, -h / 2, h / 2, -radius, radius);
    m_gl->MatrixMode(TglWindow::glModelView());

    m_gl->Clear(TglWindow::glColorBufferBit() | TglWindow::glDepthBufferBit());
    m_gl->setShadeModel(TGLShadeModel::glSmooth);
    m_gl->Enable(TglWindow::glDepthTest());
    m_gl->Enable(TglWindow::glCullFace());
    m_gl->LoadIdentity();
    m_gl->Rotate(-90.0, 1, 0, 0);  // depth down the screen, the wall's length into it
    m_gl->Rotate(m_view.angles.x, 1, 0, 0);
    m_gl->Rotate(m_view.angles.y, 0, 1, 0);
    m_gl->Rotate(m_view.angles.z, 0, 0, 1);
    m_gl->Scale(scale, scale, scale);
    const double middle = m_dims ? m_dims->deepest / 2 : 0.0;
    m_gl->Translate(m_view.pans.x, m_view.pans.y, middle + m_view.pans.z);
    m_gl->CallList(kEmptyList);
    m_gl->CallList(kStructureList);
    m_gl->CallList(kSoilList);
    m_gl->Disable(TglWindow::glDepthTest());
    if (m_switches.axes) TSceneRenderer(*m_gl).drawAxes(kAxisPixels / scale);
    if (m_view.zoomWindow) drawSelection();
}

void TDlgBlock::drawSelection() {
    const QRect box = m_view.selection();
    if (box.isNull()) return;
    // Window coordinates: x to the right, y down from the top left corner.
    m_gl->MatrixMode(TglWindow::glProjection());
    m_gl->LoadIdentity();
    m_gl->Ortho(0, m_gl->width(), m_gl->height(), 0, -1, 1);
    m_gl->MatrixMode(TglWindow::glModelView());
    m_gl->LoadIdentity();
    m_gl->Color(0.0f, 1.0f, 0.0f, 1.0f);
    m_gl->Begin(TglWindow::glLineStrip());
    for (const QPoint& corner :
         {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft(), box.topLeft()})
        m_gl->Vertex(corner.x(), corner.y(), 0.0);
    m_gl->End();
}

void TDlgBlock::releaseLists() {
    if (!m_listsCompiled) return;
    for (unsigned list : {kEmptyList, kStructureList, kSoilList}) m_gl->DeleteList(list);
    m_listsCompiled = false;
}

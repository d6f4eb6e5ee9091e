#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/views/displayswitches.h"
#include "app/views/scenedimensions.h"
#include "app/views/viewstate.h"

class QMenu;
class TDlgDeformedShape;
class TProgramData;
class TglWindow;

// The "3-D View" window: a stretch of twenty wall panels with the soil layers, water tables,
// loads, springs, restraints and tiebacks of the current project, optionally bent by the first
// deflection curve. The scene is rebuilt from the project and its tables on the first paint
// after opening, after a resize and after a display switch changed.
class TDlgBlock : public QWidget {
    Q_OBJECT

  public:
    // The current project (nullptr when there is none) and the first deflection curve, one
    // value per node (empty when no deflection results are loaded).
    using TProjectSource = std::function<const TProgramData*()>;
    using TDeflectionSource = std::function<std::vector<double>()>;

    TDlgBlock(TProjectSource project, TDeflectionSource deflection, QWidget* parent = nullptr);
    ~TDlgBlock() override;

    [[nodiscard]] TglWindow& gl() const { return *m_gl; }
    [[nodiscard]] const T3DViewState& viewState() const { return m_view; }
    [[nodiscard]] const TDisplaySwitches& switches() const { return m_switches; }
    void setSwitches(const TDisplaySwitches& switches);  // rebuilds the scene
    [[nodiscard]] const std::optional<TSceneDimensions>& dimensions() const { return m_dims; }
    [[nodiscard]] double fitScale() const { return m_fitScale; }
    // The deflection the deformed shape draws, one value per node.
    [[nodiscard]] std::vector<double> deflection() const { return m_deflection(); }
    // Whether a deflection curve with more than one point is at hand for the deformed shape.
    [[nodiscard]] bool deformedShapeAvailable() const;
    // The wall's length (increments x increment length), in the unit of the deflections.
    [[nodiscard]] double wallLength() const;

    // Tells the user that no OpenGL context could be had; an information box unless replaced.
    std::function<void(const QString&)> reportContextError;

    // Adds the items of the "Show 3DView" menu; their check marks follow the switches.
    void fillShowMenu(QMenu& menu);

  public slots:
    void zoomIn();
    void zoomOut();
    void restartView();
    void setViewAngles(TVec3 degrees);
    void setMouseMode(int mode);  // T3DViewState::TMouseMode
    void setZoomWindow(bool on);
    void showDeformedShapeDialog();

    // The window takes its first size from here when it opens inside the main window.
    [[nodiscard]] QSize sizeHint() const override { return {640, 480}; }

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The mouse wheel zooms the drawing, whatever the mouse mode.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void computeDimensions();
    void setup();
    void draw();
    void drawSelection();
    void releaseLists();
    void rebuild();
    void placeBeside(QWidget& dialog) const;

    TProjectSource m_project;
    TDeflectionSource m_deflection;
    TglWindow* m_gl;
    TDlgDeformedShape* m_deformedShapeDialog = nullptr;
    std::optional<TSceneDimensions> m_dims;
    TDisplaySwitches m_switches;
    T3DViewState m_view;
    double m_fitScale = 1.0;
    bool m_listsCompiled = false;
    bool m_contextErrorShown = false;
};

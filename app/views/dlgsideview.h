#pragma once

#include <QWidget>
#include <functional>

#include "app/views/sideviewgeometry.h"

class QLabel;
class QPainter;
class QPrinter;
class TProgramData;
class TSideViewCanvas;

// The "Side View" window: the project's soil profile to scale, with a "Print" button that puts
// the same sketch on a landscape page. Reads the project every time it paints; changes nothing.
class TDlgSideView : public QWidget {
    Q_OBJECT

  public:
    using TProjectSource = std::function<const TProgramData*()>;

    explicit TDlgSideView(TProjectSource project, QWidget* parent = nullptr);

    [[nodiscard]] const TSideViewGeometry& geometry() const { return m_geometry; }
    [[nodiscard]] QWidget& canvas() const;
    // Rebuilds the outline and the world window from the project and repaints.
    void activateView();
    // Prints the sketch on a landscape page of `printer` in a job titled "Soil-Pile Profile".
    void print(QPrinter& printer);
    // Paints the window's sketch (also used by the canvas).
    void paintSketch(QPainter& painter, const TSideDrawing& drawing) const;

  protected:
    bool event(QEvent* event) override;

  private:
    friend class TSideViewCanvas;
    void canvasResized(QSize size);
    void pointerMoved(QPoint pixel);
    void printFromDialog();

    TProjectSource m_project;
    TSideViewGeometry m_geometry;
    QLabel* m_profileLabel;
    TSideViewCanvas* m_canvas;
};

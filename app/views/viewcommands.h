#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class TDlgBlock;

// The main window's commands of the 3D view: the tool buttons "Panning", "Zoom Window",
// "Zooming", "Rotating", "Zoom In", "Zoom Out", "Restart View" and "Deformed Shape" and the
// "Show 3DView" menu. They are visible only while a 3D view is open and act on it.
class TViewCommands : public QObject {
    Q_OBJECT

  public:
    // `deflectionGraphEnabled` tells whether the deflection graph command is enabled.
    explicit TViewCommands(std::function<bool()> deflectionGraphEnabled, QObject* parent = nullptr);

    QAction* panning;
    QAction* zoomWindow;
    QAction* zooming;
    QAction* rotating;
    QAction* zoomIn;
    QAction* zoomOut;
    QAction* restartView;
    QAction* deformedShape;

    // In tool-bar order.
    [[nodiscard]] QList<QAction*> toolActions() const;
    [[nodiscard]] QMenu& showMenu() const { return *m_showMenu; }

    // The view these commands act on; they show while it lives and hide when it closes.
    void attach(TDlgBlock& view);
    [[nodiscard]] TDlgBlock* view() const { return m_view; }
    // Enables "Deformed Shape" when the deflection graph is enabled and has a curve with
    // more than one point.
    void refresh();

  private:
    void setVisible(bool visible);

    std::function<bool()> m_deflectionGraphEnabled;
    QActionGroup* m_modes;
    QMenu* m_showMenu;
    QPointer<TDlgBlock> m_view;
};

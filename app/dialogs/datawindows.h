// The input windows of the main window: each is created on first use,
// exists once, and is freed when it closes. Table windows are opened by name.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringView>
#include <map>
#include <memory>

#include "app/dialogs/datawindow.h"

class QMdiArea;
class TTableForm;
class TTableWindows;

enum class TDataWindowKind {
    Title,
    WallProperties,
    WallConfiguration,
    Surcharge,
    ConcentratedLoads,
    Springs,
    Tieback,
    TextEditorOption,
};

class TDataWindows : public QObject {
    Q_OBJECT

  public:
    // `context.tables` is filled in here.
    TDataWindows(TDataContext context, QMdiArea* mdiArea = nullptr);
    ~TDataWindows() override;

    // Shows the window, creating it on first use.
    TDataWindow* open(TDataWindowKind kind);
    [[nodiscard]] TDataWindow* window(TDataWindowKind kind) const;
    // Shows a data table of the main window by its name ("NewSoil", "PYCurves2" ...).
    TTableForm* openTable(QStringView name);
    void closeTable(QStringView name);
    // Open windows show the project's values again (after a unit switch).
    void refresh();

    [[nodiscard]] TTableWindows& tableWindows() const { return *m_tables; }

  private:
    [[nodiscard]] TDataWindow* create(TDataWindowKind kind);

    std::unique_ptr<TTableWindows> m_tables;
    TDataContext m_context;
    QPointer<QMdiArea> m_mdiArea;
    std::map<TDataWindowKind, QPointer<TDataWindow>> m_windows;
};

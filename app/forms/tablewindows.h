// The open table windows: a table gets its window on first show and keeps it
// until the window closes; closing a window closes the windows of its
// sub-tables, and a table that is freed (a soil layer deleted, a parameter
// table replaced) takes its window with it.
#pragma once

#include <QObject>
#include <QPointer>
#include <map>

class QMdiArea;
class QWidget;
class TGridTable;
class TTableForm;
class TUserPrompts;

class TTableWindows : public QObject {
    Q_OBJECT

  public:
    // Windows become child windows of `mdiArea`, or top-level windows without one.
    explicit TTableWindows(TUserPrompts& prompts, QMdiArea* mdiArea = nullptr);
    ~TTableWindows() override;

    // Shows the table's window, creating it on first use; a modal window
    // (a sub-table of a modal window) returns when it is closed. A table
    // without visible columns shows nothing. Returns the window, nullptr for
    // a modal one after it closed.
    TTableForm* show(TGridTable& table, bool modal = false, QWidget* owner = nullptr);
    // Closes the table's window (without storing an edited cell) and those of its sub-tables.
    void close(TGridTable& table);
    void closeSubTableWindows(const TGridTable& table);
    [[nodiscard]] TTableForm* windowOf(const TGridTable& table) const;
    [[nodiscard]] TUserPrompts& prompts() const { return m_prompts; }

  private:
    [[nodiscard]] TTableForm* create(TGridTable& table, bool modal);
    [[nodiscard]] static QWidget* frameOf(TTableForm* form);

    TUserPrompts& m_prompts;
    QPointer<QMdiArea> m_mdiArea;
    std::map<const TGridTable*, QPointer<TTableForm>> m_windows;
};

// The base of the input windows: it reads the project when it is activated,
// and checks its numeric fields and writes the project when it loses the
// focus or closes. A field with an invalid entry keeps the window open.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "app/widgets/editedvalues.h"

class QGridLayout;
class TDataEdit;
class TProgramData;
class TTableWindows;
class TUserPrompts;

// What an input window reaches: the current project (replaced by New and
// Open), the prompts and the table windows.
struct TDataContext {
    std::function<TProgramData&()> project;
    TUserPrompts* prompts = nullptr;
    TTableWindows* tables = nullptr;
    // The text-editor path of the main window.
    std::function<QString()> editorPath;
    std::function<void(const QString&)> setEditorPath;
};

class TDataWindow : public QWidget, public TEditedValues {
    Q_OBJECT

  public:
    explicit TDataWindow(const TDataContext& context, QWidget* parent = nullptr);

    // Shows the project's values.
    void load();
    // Checks the fields and writes the project; false (the message shown and
    // the field focused) while a field holds an invalid entry.
    bool storeValues() override;

  protected:
    // A numeric field bound to a project value; `read` and `write` convert
    // between the project and the value shown.
    struct TBinding {
        TDataEdit* field;
        std::function<double()> read;
        std::function<void(double)> write;
        double shown = 0;
    };
    TDataEdit* addField(const QString& caption, const QString& unitsString,
                        std::function<double()> read, std::function<void(double)> write);
    // Values other than fields (a title, a check box).
    virtual void loadOthers() {}
    // Writes them; returns whether a value changed.
    virtual bool storeOthers() { return false; }

    [[nodiscard]] TProgramData& project() const { return m_context.project(); }
    [[nodiscard]] TUserPrompts& prompts() const { return *m_context.prompts; }
    [[nodiscard]] TTableWindows& tables() const { return *m_context.tables; }
    [[nodiscard]] const TDataContext& context() const { return m_context; }
    [[nodiscard]] int margin() const;
    // The user changed something not yet stored: coming back into the window
    // does not read the project over it.
    void markEdited() { m_edited = true; }

    void closeEvent(QCloseEvent* event) override;

  private:
    void focusMoved(QWidget* old, QWidget* now);

    TDataContext m_context;
    std::vector<TBinding> m_bindings;
    bool m_storing = false;
    bool m_lastStoreFailed = false;
    bool m_edited = false;
};

// Lays out label-field rows: the label in the first column, the field in the second.
void addFieldRow(QGridLayout& grid, TDataEdit& field, int row);

// The main window's tables and a project, with prompts answered by a script,
// and helpers that type into the windows as a user would.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/dialogs/datawindows.h"
#include "app/forms/tableform.h"
#include "app/forms/tablegrid.h"
#include "app/forms/tablewindows.h"
#include "app/project/programdata.h"
#include "app/tables/gridtable.h"
#include "app/tables/projecttables.h"
#include "tests/app/main/qtprint.h"
#include "tests/app/main/scriptedprompts.h"

struct TWindowFixture {
    TWindowFixture()
        : prompts(log),
          project(std::make_unique<TProgramData>(tables)),
          windows(TDataContext{
              .project = [this]() -> TProgramData& { return *project; },
              .prompts = &prompts,
              .editorPath = [this] { return editorPath; },
              .setEditorPath = [this](const QString& path) { editorPath = path; },
          }) {}

    [[nodiscard]] TGridTable& table(QStringView name) const { return tables.table(name); }
    [[nodiscard]] TTableWindows& tableWindows() const { return windows.tableWindows(); }
    // Shows the table's window and waits until it is laid out.
    TTableForm* show(TGridTable& shown) {
        TTableForm* form = tableWindows().show(shown);
        if (form) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
        }
        return form;
    }

    TScriptedPrompts::TLog log;
    TScriptedPrompts prompts;
    TProjectTables tables;
    std::unique_ptr<TProgramData> project;
    QString editorPath;
    TDataWindows windows;
};

// Types `text` into the grid's current cell, replacing what it shows.
inline QLineEdit* typeIntoCell(TTableGrid& grid, const QString& text) {
    grid.editCurrent();
    auto* editor = qobject_cast<QLineEdit*>(grid.cellEditor());
    if (!editor) return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
}

// Types `text` into a field, replacing what it shows.
inline void typeInto(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClicks(&field, text);
}

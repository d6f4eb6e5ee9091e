// A main window whose questions are answered by a script.
#pragma once

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/main/appsettings.h"
#include "app/main/mainform.h"
#include "app/project/filetables.h"
#include "app/project/programdata.h"
#include "app/tables/gridtable.h"
#include "qtprint.h"
#include "scriptedprompts.h"

// The subdivision check stored as on or off while it lives, for the main windows made then;
// on again, the program's default, after it.
struct TStoredSubdivisionCheck {
    explicit TStoredSubdivisionCheck(bool on) { writeSubdivisionCheck(on); }
    ~TStoredSubdivisionCheck() { writeSubdivisionCheck(true); }
    TStoredSubdivisionCheck(const TStoredSubdivisionCheck&) = delete;
    TStoredSubdivisionCheck& operator=(const TStoredSubdivisionCheck&) = delete;
};

// Works in a scratch folder of its own, which is current while it lives.
struct TMainFormFixture {
    explicit TMainFormFixture(const QString& programFolder = {}) {
        QDir::setCurrent(folder.path());
        auto scripted = std::make_unique<TScriptedPrompts>(log);
        prompts = scripted.get();
        form = std::make_unique<TMainForm>(TMainFormSetup{std::move(scripted), programFolder});
    }

    // The captions of a menu bar entry's items, separators as "-".
    [[nodiscard]] QStringList menuCaptions(const QString& title) const {
        QStringList captions;
        for (QAction* item : menu(title)->actions())
            captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return captions;
    }
    [[nodiscard]] QMenu* menu(const QString& title) const {
        for (QAction* top : form->menuBar()->actions())
            if (top->text() == title) return top->menu();
        return nullptr;
    }

    ~TMainFormFixture() {
        form.reset();
        QDir::setCurrent(previousFolder);
    }
    TMainFormFixture(const TMainFormFixture&) = delete;
    TMainFormFixture& operator=(const TMainFormFixture&) = delete;

    [[nodiscard]] QString path(const QString& name) const { return folder.filePath(name); }

    // Gives the project's wall 40 increments and a stiffness that pass the input checks.
    void giveSoundWall() const {
        form->session().project().wall.increments = 40;
        TFileTables::of(form->session().tables()).stiffness.setReal(3, 0, 5.3e9);
    }

    QString previousFolder = QDir::currentPath();
    QTemporaryDir folder;
    TScriptedPrompts::TLog log;
    TScriptedPrompts* prompts = nullptr;
    std::unique_ptr<TMainForm> form;
};

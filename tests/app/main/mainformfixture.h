// A main window whose questions are answered by a script.
#pragma once

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/main/mainform.h"
#include "scriptedprompts.h"

struct TMainFormFixture {
    explicit TMainFormFixture(const QString& programFolder = {}) {
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

    TScriptedPrompts::TLog log;
    TScriptedPrompts* prompts = nullptr;
    std::unique_ptr<TMainForm> form;
    QTemporaryDir folder;
};

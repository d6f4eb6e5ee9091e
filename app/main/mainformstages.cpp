// Construction stages in the main window: selecting a stage, copying the
// previous one and the Staged Construction Options window.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/dialogs/dlgstaged.h"
#include "app/main/mainform.h"
#include "app/project/inouterror.h"

void TMainForm::connectStageActions() {
    const TMainActions& a = m_actions;
    for (int j = 1; j <= kMaxStages; ++j)
        connect(a.stages[j - 1], &QAction::triggered, this, [this, j] { selectStage(j); });
    connect(a.copyPreviousStage, &QAction::triggered, this, &TMainForm::copyPreviousStage);
    connect(a.stagedConstruction, &QAction::triggered, this, [this] {
        TDlgStaged dialog(m_session.stageCount(), this);
        connect(&dialog, &TDlgStaged::stageCountChosen, this, &TMainForm::applyStageCount);
        dialog.exec();
        refreshCommands();
    });
    connect(a.stagedConstructionButton, &QAction::triggered, this,
            &TMainForm::showStagedOptionsWindow);
}

void TMainForm::showStagedOptionsWindow() {
    showChildWindow("StagedConstructionOptions", [this] {
        auto* dialog = new TDlgStaged(m_session.stageCount());
        connect(dialog, &TDlgStaged::stageCountChosen, this, &TMainForm::applyStageCount);
        // OK and Cancel end the dialog; its child window goes with it.
        connect(dialog, &QDialog::finished, this,
                [this] { closeChildWindow("StagedConstructionOptions"); });
        return dialog;
    });
}

void TMainForm::runFileCommand(const std::function<QString()>& command) {
    QString message;
    try {
        message = command();
    } catch (const EInOutError& e) {
        message = e.message();
    }
    if (!message.isEmpty()) m_prompts->information(this, message);
}

void TMainForm::selectStage(int stage) {
    storeActiveChildValues();
    if (stage == m_session.currentStage() || !confirmStoredTexts()) return;
    runFileCommand([&] { return m_session.selectStage(stage); });
    showStageState();
    refreshCommands();
}

void TMainForm::copyPreviousStage() {
    storeActiveChildValues();
    const int k = m_session.currentStage();
    if (m_session.stageCount() < 2 || k < 2) return;
    const QString question =
        QStringLiteral("Do you want to copy all information from Stage %1 to Stage %2")
            .arg(k - 1)
            .arg(k);
    if (!m_prompts->askYesNo(this, question)) return;
    runFileCommand([&] { return m_session.copyPreviousStage(); });
    refreshCommands();
}

void TMainForm::applyStageCount(int stageCount) {
    // A new count of two or more rewrites every stage file.
    const bool rewrites = stageCount > 1 && stageCount != m_session.stageCount();
    if (rewrites && !confirmStoredTexts()) return;
    runFileCommand([&] { return m_session.setStageCount(stageCount); });
    showStageState();
    refreshCommands();
}

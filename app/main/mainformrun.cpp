// The analysis run of the main window, the text editor and help.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>

#include "app/main/mainform.h"
#include "app/main/texteditor.h"
#include "app/main/userguide.h"

namespace {

const char* const kCompleted =
    "Computations are completed. Please, check output file for results or error messages.";
const char* const kInconsistent =
    "Computations can not be performed. Executable files are not consistent.\n"
    "You may need to reinstall the program.\n"
    "Install the desktop program and libKeldraEngine.so from the same KELDRA release, "
    "in one folder.";

}  // namespace

void TMainForm::runAnalysis() {
    if (!fileSave() || m_session.isNew()) return;
    if (!inputChecksPass()) return;
    const TRunFiles files = TRunFiles::forProject(m_session.fileName());
    reportRun(m_engine.run(files));
}

bool TMainForm::inputChecksPass() {
    const std::optional<QString> problem = firstInputProblem(m_session.inputCheckData());
    if (problem) m_prompts->warning(this, *problem);
    return !problem;
}

void TMainForm::reportRun(const TRunResult& result) {
    switch (result.outcome) {
        case TRunOutcome::AlreadyRunning:
            m_prompts->information(this, "Attempt to reinitialize DLL");
            return;
        case TRunOutcome::NamesFileFailed:
            m_prompts->information(this, result.detail);
            return;
        case TRunOutcome::LibraryFailed:
            m_prompts->information(this, "Attempt to initialize DLL failed", result.detail);
            return;
        case TRunOutcome::Inconsistent:
            m_prompts->information(this, kInconsistent);
            break;
        case TRunOutcome::Completed:
            m_prompts->information(this, kCompleted);
            loadResults(true);
            break;
    }
    refreshCommands();
    closeChildWindows();
}

void TMainForm::openInEditor(const QString& file) {
    if (!openInTextEditor(m_settings.editorPath, file))
        m_prompts->information(this, "An error occurred in running the Word Processor");
}

void TMainForm::showUserGuide() {
    QMdiSubWindow* child =
        showChildWindow(QStringLiteral("UserGuide"), [] { return new TUserGuide; });
    if (child->width() < 400) child->resize(760, 560);
}

void TMainForm::showAbout() {
    const QString library = m_engine.libraryPath();
    const QString engine = QFileInfo::exists(library)
                               ? QStringLiteral("Analysis engine %1, interface version %2")
                                     .arg(QDir::toNativeSeparators(library))
                                     .arg(TEngineRunner::kInterfaceVersion)
                               : "The analysis engine " + QString(TEngineRunner::kLibraryFile) +
                                     " is missing from " +
                                     QDir::toNativeSeparators(m_programFolder);
    m_prompts->about(this, "About KELDRA 2015",
                     "<h3>KELDRA 2015</h3><p>Version 2015.5.6</p>"
                     "<p>Analysis of flexible retaining walls by the p-y method.</p><p>" +
                         engine.toHtmlEscaped() + "</p>");
}

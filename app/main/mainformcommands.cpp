// The file and option commands of the main window.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QUrl>

#include "app/dialogs/datawindows.h"
#include "app/main/caption.h"
#include "app/main/mainform.h"
#include "app/project/inouterror.h"
#include "app/project/storedtexts.h"
#include "app/tables/formdescription.h"

namespace {

const QString kOpenFilters = QStringLiteral(
    "Keldra 2015 (*.kd5d);;Keldra 2013 (*.kd4d);;Keldra 3.0 (*.kdd);;Keldra 2.0 (*.kdd);;"
    "All Files (*)");
const QString kSaveFilters = QStringLiteral("Keldra 2015 (*.kd5d);;All Files (*)");

bool hasCurrentLayout(const QString& fileName) {
    return QFileInfo(fileName).suffix().toLower() == QLatin1String("kd5d");
}

QString withCurrentExtension(const QString& fileName) {
    if (hasCurrentLayout(fileName)) return fileName;
    const QFileInfo info(fileName);
    const QString name = info.completeBaseName() + ".kd5d";
    return info.path() == QLatin1String(".") ? name : info.dir().filePath(name);
}

// The table whose window closes when its option is switched off.
QString tableOfSwitch(TSwitch s) {
    switch (s) {
        case TSwitch::ConcentratedLoads:
            return TableName::BoundCond.toString();
        case TSwitch::Restraints:
            return TableName::SoilLayer.toString();
        case TSwitch::ExternalPyCurves:
            return TableName::PYCurves2.toString();
        case TSwitch::LateralSprings:
            return TableName::SoilStrength.toString();
        case TSwitch::PyModification:
            return TableName::PYMod.toString();
        case TSwitch::AdditionalSurcharge:
            return TableName::SurchargeTable.toString();
        case TSwitch::MomentEICurves:
            return TableName::MEICurves2.toString();
        case TSwitch::GeneratePyCurves:
        case TSwitch::Tieback:
            break;
    }
    return {};
}

}  // namespace

void TMainForm::connectActions() {
    const TMainActions& a = m_actions;
    connect(a.fileNew, &QAction::triggered, this, [this] { fileNew(); });
    connect(a.fileOpen, &QAction::triggered, this, [this] { fileOpen(); });
    connect(a.fileSave, &QAction::triggered, this, [this] { fileSave(); });
    connect(a.fileSaveAs, &QAction::triggered, this, [this] { fileSaveAs(); });
    for (int i = 0; i < kRecentFileCount; ++i)
        connect(a.recentFiles[i], &QAction::triggered, this, [this, i] { openRecentFile(i); });
    connect(a.fileExit, &QAction::triggered, this, &QWidget::close);

    connect(a.runAnalysis, &QAction::triggered, this, &TMainForm::runAnalysis);
    connect(a.subdivisionCheck, &QAction::triggered, this, [this](bool on) {
        m_settings.subdivisionCheck = on;
        writeSubdivisionCheck(on);
    });
    connect(a.editInput, &QAction::triggered, this,
            [this] { openInEditor(TRunFiles::forProject(m_session.fileName()).projectFile); });
    connect(a.editRunNotes, &QAction::triggered, this,
            [this] { openInEditor(TRunFiles::forProject(m_session.fileName()).runNotes); });
    for (QAction* output : {a.editOutput, a.viewOutputButton})
        connect(output, &QAction::triggered, this,
                [this] { openInEditor(TRunFiles::forProject(m_session.fileName()).report); });
    connect(a.resultsSummary, &QAction::triggered, this, &TMainForm::showResultsSummary);
    connect(a.designStudies, &QAction::triggered, this, &TMainForm::showDesignStudies);

    connect(a.cascade, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    connect(a.arrangeIcons, &QAction::triggered, this, &TMainForm::arrangeIcons);
    connect(a.helpContents, &QAction::triggered, this, &TMainForm::showUserGuide);
    connect(a.about, &QAction::triggered, this, &TMainForm::showAbout);
    connectOptionActions();
    connectStageActions();
}

void TMainForm::connectOptionActions() {
    const TMainActions& a = m_actions;
    for (int i = 0; i < kSwitchCount; ++i)
        connect(a.switches[i], &QAction::triggered, this, [this, i](bool on) {
            m_session.setSwitch(TSwitch(i), on);
            const QString table = tableOfSwitch(TSwitch(i));
            if (!on && !table.isEmpty()) closeChildWindow(table);
            refreshCommands();
        });
    for (int i = 0; i < 3; ++i) {
        connect(a.units[i], &QAction::triggered, this, [this, i] {
            if (m_session.unitSystem() != i + 1) m_session.setUnitSystem(i + 1);
        });
        connect(a.earthPressure[i], &QAction::triggered, this, [this, i] {
            if (m_session.earthPressure() != i + 1) m_session.setEarthPressure(i + 1);
            refreshCommands();
        });
    }
    connect(a.shortAndLongTerm, &QAction::triggered, this, [this](bool on) {
        m_session.setShortAndLongTerm(on);
        applyShortAndLongTermLayout();
        refreshCommands();
    });
}

bool TMainForm::maybeSave() {
    storeActiveChildValues();
    if (!m_session.isModified()) return true;
    switch (m_prompts->askYesNoCancel(this, "Do you want to save any changes?")) {
        case TUserPrompts::TAnswer::Cancel:
            return false;
        case TUserPrompts::TAnswer::No:
            return true;
        case TUserPrompts::TAnswer::Yes:
            break;
    }
    fileSave();
    // A Save As that the user cancelled leaves the default name.
    return !m_session.isNew();
}

bool TMainForm::fileNew() {
    if (!maybeSave()) return false;
    closeChildWindows();
    m_session.newProject();
    m_resultsLoaded = false;
    afterProjectReplaced();
    return true;
}

bool TMainForm::fileOpen() {
    if (!maybeSave()) return false;
    int filterIndex = 1;
    const QString chosen = m_prompts->openFileName(this, "Open", kOpenFilters, filterIndex);
    if (chosen.isEmpty()) return false;
    return openFileByName(chosen, layoutOfFileKind(filterIndex));
}

bool TMainForm::openRecentFile(int index) {
    const QString fileName = m_settings.recentFiles.at(index);
    if (fileName.isEmpty() || !maybeSave()) return false;
    return openFileByName(fileName, layoutOfFileName(fileName));
}

bool TMainForm::openFileByName(const QString& fileName, TFileLayout layout) {
    closeChildWindows();
    const QFileInfo info(fileName);
    QDir::setCurrent(info.absolutePath());
    const QString fullName = info.absoluteFilePath();
    const TOpenResult opened = m_session.open(fullName, layout);
    updateCaption();
    m_resultsLoaded = false;
    const QString name = displayName(fullName);
    switch (opened.outcome) {
        case TOpenOutcome::Read:
            loadResults(false);
            putOnTopOfRecentFiles(fullName);
            m_prompts->information(this, "Data file: " + name + ", has been read by KELDRA 2015");
            break;
        case TOpenOutcome::Damaged:
            // What was read stays on screen under a name of its own; the damaged file is
            // neither announced as read nor offered again as a recent file.
            m_prompts->information(this, opened.message + "\n\nData file: " + name +
                                             ", could not be read completely and is left as it "
                                             "was. What was read is shown as " +
                                             displayName(m_session.fileName()) +
                                             ", which is not saved yet.");
            break;
        case TOpenOutcome::NotOpened:
            m_prompts->information(this, opened.message + "\nData file: " + name +
                                             ", has not been opened: its construction stages "
                                             "could not be written to their stage files. The "
                                             "data file is unchanged.");
            break;
    }
    afterProjectReplaced();
    return opened.outcome == TOpenOutcome::Read;
}

void TMainForm::openFromCommandLine(const QString& argument) {
    QString fileName = argument;
    if (!QFileInfo(fileName).fileName().contains('.')) fileName += ".kd4d";
    if (!QFileInfo::exists(fileName)) return;
    openFileByName(fileName, layoutOfFileName(fileName));
}

bool TMainForm::confirmStoredTexts() {
    const QList<TStoredTextChange> changes = storedTextChanges(m_session.project());
    if (changes.isEmpty()) return true;
    QString question = "The data file can store Western European (Latin-1) characters only.\n";
    for (const TStoredTextChange& change : changes)
        question +=
            change.what + ": \"" + change.text + "\" will be saved as \"" + change.stored + "\".\n";
    question += "Save with these characters replaced?";
    if (!m_prompts->askYesNo(this, question)) return false;
    keepStoredTexts(m_session.project());
    m_dataWindows->refresh();
    return true;
}

bool TMainForm::fileSave() {
    storeActiveChildValues();
    try {
        if (m_session.isNew() || !hasCurrentLayout(m_session.fileName())) return fileSaveAs();
        if (!confirmStoredTexts()) return false;
        m_session.save();
    } catch (const EInOutError& e) {
        m_prompts->information(this, e.message());
        return false;
    }
    return true;
}

bool TMainForm::fileSaveAs() {
    storeActiveChildValues();
    if (!confirmStoredTexts()) return false;
    const QString current = m_session.fileName();
    const QString chosen =
        m_prompts->saveFileName(this, "Save " + displayName(current) + " As",
                                withCurrentExtension(current), kSaveFilters, "kd5d");
    if (chosen.isEmpty()) return false;
    try {
        m_session.saveAs(QFileInfo(chosen).absoluteFilePath());
    } catch (const EInOutError& e) {
        m_prompts->information(this, e.message());
        return false;
    }
    updateCaption();
    putOnTopOfRecentFiles(m_session.fileName());
    closeChildWindows();
    refreshCommands();
    return true;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    openDroppedFiles(event->mimeData()->urls());
}

bool TMainForm::openDroppedFiles(const QList<QUrl>& urls) {
    if (urls.isEmpty() || !urls.first().isLocalFile()) return false;
    const QString fileName = urls.first().toLocalFile();
    if (!maybeSave()) return false;
    return openFileByName(fileName, layoutOfFileName(fileName));
}

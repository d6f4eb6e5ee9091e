#include "app/main/projectsession.h"

#include <QFileInfo>
#include <algorithm>

TFileKind fileKindOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("kd4d")) return TFileKind::Keldra2013;
    if (suffix == QLatin1String("kdd")) return TFileKind::Keldra30;
    return TFileKind::Current;
}

TProjectSession::TProjectSession() { newProject(); }

void TProjectSession::newProject() {
    m_fileName = kNewProjectFile;
    m_switches.fill(false);
    m_switches[static_cast<int>(TSwitch::GeneratePyCurves)] = true;
    m_shortAndLongTerm = false;
    m_generatedEarthPressure = false;
    m_earthPressure = 2;
    m_unitSystem = 1;
    m_stageCount = 1;
    m_currentStage = 1;
    m_modified = false;
}

void TProjectSession::setSwitch(TSwitch s, bool on) {
    m_switches[static_cast<int>(s)] = on;
    m_modified = true;
}

void TProjectSession::setShortAndLongTerm(bool on) {
    m_shortAndLongTerm = on;
    m_modified = true;
}

void TProjectSession::setEarthPressure(int selection) {
    m_earthPressure = selection;
    m_modified = true;
}

void TProjectSession::setUnitSystem(int units) {
    m_unitSystem = units;
    m_modified = true;
}

TInputCheckData TProjectSession::inputCheckData() const { return {}; }

QString TProjectSession::open(const QString& fileName, TFileKind) {
    m_fileName = fileName;
    return {};
}

QString TProjectSession::prepareStageFiles(TFileKind) { return {}; }

void TProjectSession::save() { m_modified = false; }

void TProjectSession::saveAs(const QString& newName) {
    m_fileName = newName;
    m_modified = false;
}

void TProjectSession::writeCurrentStage() {}

QString TProjectSession::selectStage(int stage) {
    m_currentStage = stage;
    return {};
}

QString TProjectSession::copyPreviousStage() { return {}; }

QString TProjectSession::setStageCount(int stageCount) {
    m_stageCount = std::clamp(stageCount, 1, kMaxStages);
    m_currentStage = 1;
    return {};
}

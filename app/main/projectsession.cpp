#include "app/main/projectsession.h"

#include "app/analysis/inputcheckdata.h"
#include "app/project/constructionstages.h"
#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/projectfiles.h"
#include "app/tables/projecttables.h"

TProjectSession::TProjectSession() : m_tables(std::make_unique<TProjectTables>()) { newProject(); }

TProjectSession::~TProjectSession() = default;

void TProjectSession::newProject() {
    m_project.reset();
    m_project = std::make_unique<TProgramData>(*m_tables);
}

TOpenResult TProjectSession::open(const QString& fileName, TFileLayout layout) {
    newProject();
    try {
        const QString message = ProjectFiles::open(*m_project, fileName, layout);
        return {message.isEmpty() ? TOpenOutcome::Read : TOpenOutcome::Damaged, message};
    } catch (const EInOutError& error) {
        newProject();
        return {TOpenOutcome::NotOpened, error.message()};
    }
}

void TProjectSession::save() { ProjectFiles::save(*m_project); }

void TProjectSession::saveAs(const QString& newName) { ProjectFiles::saveAs(*m_project, newName); }

const QString& TProjectSession::fileName() const { return m_project->files.fileName; }

bool TProjectSession::isNew() const {
    return fileName() == kNewProjectFile || m_project->files.untitled;
}

bool TProjectSession::isModified() const { return m_project->IsModified(); }

void TProjectSession::setModified(bool modified) { m_project->SetModified(modified); }

bool& TProjectSession::switchField(TSwitch s) const {
    TOptionSwitches& o = m_project->options;
    switch (s) {
        case TSwitch::GeneratePyCurves:
            return o.generatePyCurves;
        case TSwitch::ConcentratedLoads:
            return o.concentratedLoads;
        case TSwitch::Tieback:
            return o.tieback;
        case TSwitch::Restraints:
            return o.restraints;
        case TSwitch::ExternalPyCurves:
            return o.externalPyCurves;
        case TSwitch::LateralSprings:
            return o.lateralSprings;
        case TSwitch::PyModification:
            return o.pyModification;
        case TSwitch::AdditionalSurcharge:
            return o.additionalSurcharge;
        case TSwitch::MomentEICurves:
            break;
    }
    return o.momentEI;
}

bool TProjectSession::switchOn(TSwitch s) const { return switchField(s); }

void TProjectSession::setSwitch(TSwitch s, bool on) {
    switchField(s) = on;
    setModified(true);
}

bool TProjectSession::shortAndLongTerm() const { return m_project->options.shortAndLongTerm; }

void TProjectSession::setShortAndLongTerm(bool on) {
    m_project->options.shortAndLongTerm = on;
    setModified(true);
}

bool TProjectSession::generatedEarthPressure() const {
    return m_project->options.generatedPressureMemory;
}

int TProjectSession::earthPressure() const { return m_project->options.earthPressure; }

void TProjectSession::ensureEarthPressureSelection() {
    if (m_project->options.earthPressure == kNoEarthPressure)
        m_project->options.earthPressure = kUserSpecifiedPressure;
}

void TProjectSession::setEarthPressure(int selection) {
    m_project->options.earthPressure = selection;
    setModified(true);
}

int TProjectSession::unitSystem() const { return m_project->units(); }

void TProjectSession::setUnitSystem(int units) {
    m_project->SetUnits(units);
    setModified(true);
}

int TProjectSession::stageCount() const { return m_project->stages.count; }

int TProjectSession::currentStage() const { return m_project->stages.current; }

QString TProjectSession::selectStage(int stage) {
    return ConstructionStages::selectStage(*m_project, stage);
}

QString TProjectSession::copyPreviousStage() {
    return ConstructionStages::copyPreviousStage(*m_project);
}

QString TProjectSession::setStageCount(int stageCount) {
    return ConstructionStages::setStageCount(*m_project, stageCount);
}

TInputCheckData TProjectSession::inputCheckData() const { return inputCheckDataOf(*m_project); }

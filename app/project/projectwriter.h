#pragma once

#include <QByteArray>
#include <initializer_list>

#include "app/project/filetables.h"

class TProgramData;
class TRecordLine;

// Writes the current project in the current layout of project data files: the project data
// file of a project without stages (kind 1) and the stage file of the current stage (kind 2).
// Before writing it settles the options in the project (tables of switched-off options are
// emptied, the settled option values are stored); afterwards the project is not modified.
class TProjectWriter {
  public:
    explicit TProjectWriter(TProgramData& project);

    [[nodiscard]] QByteArray projectFile();
    [[nodiscard]] QByteArray stageFile();

    // Write to the project's file name, or to the stage file of the current stage; raise
    // EInOutError with the platform's message.
    void writeProjectFile();
    void writeStageFile();

  private:
    enum class TBlock { Project, LongTerm, Stage };

    // Settles the options for a file whose first block is `block`.
    void settleOptions(TBlock block);
    [[nodiscard]] int earthPressureOption(TBlock block) const;
    [[nodiscard]] int pyOption() const;

    void writeBlock(TBlock block);
    void writeTitle(TBlock block);
    void writeControl(TBlock block);
    void writeGrid();
    void writeLoadsAndSprings();
    void writeEarthPressure(TBlock block);
    void writeSoilLayers(TBlock block);
    void writeExternalPyCurves();
    void writeMomentEICurves();
    void writeClosingValue(TBlock block);

    // Rows of a table, one line each, with the columns in the order given, separated by tabs.
    // English values shown in larger units are converted unless the table is written as shown.
    enum class TConversion { ToEngineUnits, AsShown };
    void writeRows(const TGridTable& table, std::initializer_list<int> columns,
                   TConversion conversion = TConversion::ToEngineUnits);
    void writeCountedRows(const TGridTable& table, std::initializer_list<int> columns,
                          TConversion conversion = TConversion::ToEngineUnits);
    void put(const TRecordLine& line);
    void put(const QByteArray& text);

    TProgramData& m_project;
    TFileTables m_tables;
    QByteArray m_out;
};

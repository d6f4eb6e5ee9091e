#pragma once

#include <QByteArray>
#include <QString>

#include "app/project/filelayout.h"
#include "app/project/filetables.h"

class TProgramData;
class TWordReader;

// Reads project data files and stage files of every layout into the current project and its
// tables. Any input/output error ends the reading where it happened: what was read stays, every
// table left without rows gets its default rows, the project is marked as not modified and the
// error's message is handed back for the caller to show. An empty message means success.
class TProjectReader {
  public:
    // The first block of the file and, for a project without stages, its long-term block.
    [[nodiscard]] static QString readProjectFile(TProgramData& project, const QByteArray& content,
                                                 TFileLayout layout);
    // The same, from the file named by the project's file name.
    [[nodiscard]] static QString readProjectFile(TProgramData& project, TFileLayout layout);
    // One stage file, in the layout of the project's version flags, into the current stage.
    [[nodiscard]] static QString readStageFile(TProgramData& project, const QByteArray& content);
    // The same, from the named file, which becomes the project's stage file name.
    [[nodiscard]] static QString readStageFile(TProgramData& project, const QString& stageFileName);

  private:
    enum class TBlock { Project, LongTerm, Stage };

    // The counts and options of the control record A2.
    struct TControl {
        int restraintRows = 0;
        int stiffnessRows = 0;
        int pyModificationRows = 0;
        int earthPressureOption = 0;
        int pyOption = 0;
        int pyCurveSets = 0;
        int stages = 1;
        int momentEISets = 0;
        int tiebackRows = 0;
    };

    TProjectReader(TProgramData& project, TWordReader& words, TFileLayout layout);

    [[nodiscard]] static QString readGuarded(TProgramData& project, const QByteArray& content,
                                             TFileLayout layout, TBlock block);
    static void finishReading(TProgramData& project);
    void readBlock(TBlock block);
    void readTitle(TBlock block);
    [[nodiscard]] TControl readControl();
    void applyControl(const TControl& control, TBlock block);
    void readGrid();
    void readLoadsAndSprings(const TControl& control);
    void readEarthPressure(const TControl& control, TBlock block);
    void readWallConfiguration();
    void readSurcharges();
    void rebuildLegacySurcharges();
    void readSoilLayers(TBlock block);
    void readLayerParameters(TGridTable& parameters, int soilType);
    void readExternalPyCurves(int sets);
    void readMomentEICurves(int sets);
    void readClosingValue(TBlock block);

    // Rows of a table with the columns in the order given; English values shown in larger
    // units are converted back unless the table is written as shown.
    enum class TConversion { FromEngineUnits, AsShown };
    void readRows(TGridTable& table, int rows, std::initializer_list<int> columns,
                  TConversion conversion = TConversion::FromEngineUnits);
    // A row count standing on its own line, then the rows.
    [[nodiscard]] int readCountedRows(TGridTable& table, std::initializer_list<int> columns,
                                      TConversion conversion = TConversion::FromEngineUnits);
    // A count of rows that follow, each on at least one line of its own.
    [[nodiscard]] int readCount();
    [[nodiscard]] int readChoice(int choices);
    [[nodiscard]] int readOption(int highest);
    // The sub-table of a row, which every row of the file's sub-table columns has.
    [[nodiscard]] static TGridTable& rowTable(const TGridTable& table, int column, int row);

    TProgramData& m_project;
    TFileTables m_tables;
    TWordReader& m_words;
    TLayoutFeatures m_features;
};

#pragma once

#include <QString>

#include "app/project/unitswitch.h"

// Earth-pressure selection of the Options menu; 0 means that no selection is stored.
enum TEarthPressureSelection : int {
    kNoEarthPressure = 0,
    kUserSpecifiedPressure = 1,
    kTriangularPressure = 2,
    kTrapezoidalPressure = 3,
};

struct TProjectFileNames {
    QString fileName = QStringLiteral("NewWall.kd5d");  // full path; no folder for a new project
    QString stageFileName;                              // file name with ".st" + stage number
    QString saveTarget;                                 // target while a staged project is saved
    QString previousName;                               // name before Save As of a staged project
    // What could be read of a damaged file, under a name of its own that was never saved: Save
    // asks for a name, so that the damaged file is not replaced by less than it held.
    bool untitled = false;
};

// Window "Wall Properties"; lengths in the project's small length (in / m).
struct TWallProperties {
    qint32 increments = 0;
    double incrementLength = 0.0;
    double maxDeflection = 100.0;  // maximum allowable deflection for the iteration
    double closureTolerance = 0.00001;
    double freeHeight = 0.0;  // H; the window shows feet in English units
};

// Surcharge values of releases without a surcharge table; written back unchanged.
struct TLegacySurcharge {
    double distanceX = 0.0;   // small length
    double pointLoad = 0.0;   // force
    double lineLoad = 0.0;    // force per small length
    double stripLoad = 0.0;   // stress
    double stripWidth = 0.0;  // small length
};

// Window "Wall Configuration"; lengths in small length, the load as a stress (psi / kN/m2).
struct TWallConfiguration {
    double activeWidth = 0.0;      // Wa, width for active earth pressure
    double resistanceWidth = 0.0;  // Wp, width for generating p-y resistance
    double waterDepthBackfill = 0.0;
    double waterDepthExcavation = 0.0;
    double activePressureFactor = 1.0;  // modification factor for active earth pressure
    double backfillSlope = 0.0;         // Beta, degrees
    double uniformLoad = 0.0;           // uniform distributed load on the backfill
    qint32 carriedInteger = 1;          // read and written back unchanged
    TLegacySurcharge legacy;
};

// The switches of the Options menu.
struct TOptionSwitches {
    int earthPressure = kTriangularPressure;
    bool generatePyCurves = true;
    bool concentratedLoads = false;
    bool tieback = false;
    bool restraints = false;  // restraints on deflection or slope
    bool externalPyCurves = false;
    bool lateralSprings = false;  // lateral springs and rotation restraints
    bool pyModification = false;
    bool additionalSurcharge = false;
    bool momentEI = false;  // nonlinear moment vs EI curves
    bool shortAndLongTerm = false;
    bool generatedPressureMemory = false;  // set when a file with generated pressure is read

    [[nodiscard]] bool userSpecifiedPressure() const {
        return earthPressure == kUserSpecifiedPressure;
    }
};

struct TStageCounts {
    int count = 1;    // 1 = no staged analysis, up to 5
    int current = 1;  // 1..count
};

// Option values that the writer settles and that stay in the project after a save.
struct TSettledOptions {
    int earthPressureOption = 0;
    int pyOption = 0;
    int momentEISets = 0;
    int tiebackRows = 0;
};

// What a stage file of an older release holds besides the oldest layout.
struct TVersionFlags {
    bool momentEIAndSurcharge = true;  // M-EI set count and surcharge table
    bool tiebackCount = true;          // tieback count, sixth value of A3, tieback rows
};

class TProjectTables;

// The current project: every scalar input, the option switches, the unit system, the stage
// bookkeeping and the file names. The tabular inputs are the data tables of the main window,
// which the project reaches through TProjectTables and which outlive it.
class TProgramData {
  public:
    // A new project; empties the tables and refills them with their default rows.
    explicit TProgramData(TProjectTables& tables);

    TProjectFileNames files;
    QString title = QStringLiteral("New Wall");
    TWallProperties wall;
    TWallConfiguration configuration;
    TOptionSwitches options;
    TStageCounts stages;
    TSettledOptions settled;
    TVersionFlags versionFlags;

    [[nodiscard]] int units() const { return m_units; }
    // Switches the project and its plain tables to another unit system, converting values only
    // between English and SI.
    void SetUnits(int units);

    [[nodiscard]] bool IsModified() const;
    // True sets the project's own flag; false clears it and the flag of every table.
    void SetModified(bool modified);

    [[nodiscard]] TProjectTables& tables() const { return m_tables; }

  private:
    void convertScalars(const TUnitSwitch& factors);
    void convertSurchargeMagnitudes(const TUnitSwitch& factors);

    TProjectTables& m_tables;
    int m_units = kEnglishUnits;
    bool m_modified = false;
};

#pragma once

#include <QLatin1String>
#include <QString>

struct TVersionFlags;

// The closing value of a project data file block after which the long-term block follows.
inline constexpr int kLongTermFollows = 9;
// The title line of stages 2 and up holds this text and the stage number.
inline constexpr QLatin1String kStageMark(" Stage No :");

// The record layouts of project data files, from the current release back to the oldest.
enum class TFileLayout { Current, Release2013, Release30, Oldest };

// What a layout holds beyond the oldest one.
struct TLayoutFeatures {
    bool stageCount = false;      // number of stages in A2
    bool momentEI = false;        // M-EI set count in A2 and the sets of A13
    bool tieback = false;         // tieback count in A2, sixth value of A3, tieback rows A8
    bool surchargeTable = false;  // surcharge table A11c
    bool layerDepths = false;     // soil layers by depth with two six-value lines (else thickness)
    bool pyMultipliers = false;   // multipliers in the set lines of A12
    bool closingValue = false;    // closing value A14 and the long-term block

    [[nodiscard]] static TLayoutFeatures of(TFileLayout layout);
};

// The layout of the file kinds of the open dialog: 1 current, 2 2013, 3 3.0, 4 and 5 oldest.
[[nodiscard]] TFileLayout layoutOfFileKind(int kind);

// The layout of a file opened by name: ".kd4d" 2013, ".kdd" 3.0, any other extension current.
[[nodiscard]] TFileLayout layoutOfFileName(const QString& fileName);

// Stage files carry the layout in the project's version flags.
[[nodiscard]] TFileLayout layoutOfVersionFlags(const TVersionFlags& flags);
[[nodiscard]] TVersionFlags versionFlagsOf(TFileLayout layout);

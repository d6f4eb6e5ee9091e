#include "engine/input_specified.h"

#include "engine/fixed_line.h"
#include "engine/report_blocks.h"
#include "engine/run_stop.h"

namespace keldra {

namespace {

int CaseActingAs(int case_read) { return case_read <= 0 ? 1 : case_read > 3 ? 3 : case_read; }

// Sets the codes of a row and returns the last index they occupy.
int SetCodes(EngineState& s, int J, int acting_case) {
    int* KODE = s.sta.KODE;
    switch (acting_case) {
        case 1:
            KODE[J] = kDeflectionGiven;
            return J;
        case 2:
            KODE[J - 1] = kBeforeGivenSlope;
            KODE[J + 1] = kAfterGivenSlope;
            return J + 1;
        default:
            KODE[J - 1] = kBeforeGivenSlope;
            KODE[J] = kDeflectionAndSlope;
            KODE[J + 1] = kAfterGivenSlope;
            return J + 1;
    }
}

void EchoRow(OutputFile& report, int case_read, int acting_case, int station, double deflection,
             double slope) {
    FixedLine line;
    line.X(10).I(3, station).X(7).I(2, case_read);
    if (acting_case == 1) {
        line.X(8).E(10, 3, deflection).X(9).Text("NONE");
    } else if (acting_case == 2) {
        line.X(11).Text("NONE").X(8).E(10, 3, slope);
    } else {
        line.X(3).X(5).E(10, 3, deflection).X(5).E(10, 3, slope);
    }
    line.WriteTo(report);
}

}  // namespace

Step ReadSpecified(EngineState& s, FreeFormatReader& in) {
    for (int J = 1; J <= kStationSlots; ++J) s.sta.KODE[J] = kFreeStation;
    OutputFile& report = s.files.report;
    const int NDS = s.control.NDS;
    if (NDS == 0) {
        WriteEmptySection(report);
        return Step::kContinue;
    }
    WriteBoxedTitle(report, "*        SPECIFIED DEFLECTIONS AND SLOPES        *");
    WriteEmptyLine(report);
    FixedLine().X(5).Text("     STA      CASE       DEFLECTION        SLOPE").WriteTo(report);
    WriteEmptyLine(report);
    if (NDS > kMaxSpecified) {
        return StopTooMuchData(s, MoreThan(kMaxSpecified, "SPECIFIED DEFLECTION AND SLOPE ROWS"));
    }
    int previous_index = 3;
    int previous_last_code = 0;
    for (int k = 1; k <= NDS; ++k) {
        int case_read = 0, station = 0;
        double deflection = 0.0, slope = 0.0;
        if (!in.Read(case_read, station, deflection, slope)) return StopOnReadFailure(s, in);
        s.specified.SPDF[k] = deflection;
        s.specified.SPSL[k] = slope;
        if (static_cast<long long>(station) + kStationOffset < previous_index) {
            return StopRun(s, kStationsNotInOrder);
        }
        if (station < 0 || station > s.grid.NINC) {
            return StopRun(
                s, "     ERROR -- SPECIFIED DEFLECTION OR SLOPE AT A STATION OUTSIDE THE WALL");
        }
        const int J = station + kStationOffset;
        previous_index = J;
        const int acting_case = CaseActingAs(case_read);
        if (J - (acting_case == 1 ? 0 : 1) <= previous_last_code) {
            return StopRun(
                s,
                "     ERROR -- SPECIFIED DEFLECTIONS AND SLOPES AT NEIGHBOURING STATIONS OVERLAP");
        }
        previous_last_code = SetCodes(s, J, acting_case);
        EchoRow(report, case_read, acting_case, station, deflection, slope);
    }
    return Step::kContinue;
}

}  // namespace keldra

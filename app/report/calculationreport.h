// The calculation report of a project as one PDF: a cover with the contents, the inputs of
// every stage, the soil profile of every stage, the results summary with every warning and the
// subdivision check, the result graphs and, when asked for, the full text report.
#pragma once

#include <QPageSize>
#include <QString>

class TProgramData;

struct TReportOptions {
    bool withTextReport = false;  // the text report as an appendix
    // The engine library that makes the subdivision check of the results summary; no check
    // when empty.
    QString checkEngine;
};

// A4, or Letter where the locale measures in US units.
[[nodiscard]] QPageSize ReportPageSize();

// The run's outputs are next to the project and not older than its data file.
[[nodiscard]] bool ResultsAreCurrent(const QString& projectFile);

// The file a report goes to by default: the project's name with "-report.pdf", beside it.
[[nodiscard]] QString DefaultReportFile(const QString& projectFile);

// Writes the report of `project` (open with its stage files; saved as `projectFile`, next to
// which its run's outputs lie) to `pdfFile`. Returns why it could not, empty on success; a
// report that cannot be written leaves no file of that name behind it changed.
[[nodiscard]] QString WriteCalculationReport(TProgramData& project, const QString& projectFile,
                                             const QString& pdfFile,
                                             const TReportOptions& options = {});

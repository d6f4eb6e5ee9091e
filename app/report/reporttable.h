// A table of the report: a caption, column headings (several lines each, the unit in the last)
// and rows of cell texts. Drawn across the page's width; it breaks across pages with its
// headings repeated, and wraps a cell's text rather than cutting it off.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TReportCanvas;

struct TReportTable {
    QString caption;
    QStringList headings;           // lines separated by '\n'
    std::vector<QStringList> rows;  // one text per column
    QStringList notes;              // printed below the table
};

void DrawTable(TReportCanvas& canvas, const TReportTable& table);

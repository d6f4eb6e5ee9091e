#pragma once

#include <QString>
#include <vector>

#include "app/tables/columndefinition.h"
#include "app/tables/gridtablechart.h"

// The description of one data table of the main window: its properties in
// the order of the form description, then its columns.
struct TTableDefinition {
    QString name;        // component name, e.g. "PileSect"
    int identifier = 0;  // unique within its family (plain or charted)
    QString caption;
    int minRows = 1;  // minimum and default number of rows
    int maxRows = 0;  // 0 = no limit
    QString topLeft;  // row header title
    std::vector<TColumnDefinition> columns;
    QString comments;     // note of the table window; "\r" breaks lines
    QString helpPicture;  // picture name, empty for none
    bool charted = false;
    bool getDataFromFile = false;  // charted tables only
    TGraphicParameters graphic;    // charted tables only
};

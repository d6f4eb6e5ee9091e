// "Concentrated Loads": the concentrated-load switch and the button that opens the
// concentrated-load table.
#pragma once

#include "app/dialogs/tablebuttonwindow.h"

class TDlgConLoads : public TTableButtonWindow {
  public:
    explicit TDlgConLoads(const TDataContext& context, QWidget* parent = nullptr)
        : TTableButtonWindow(
              context,
              {QStringLiteral("Concentrated Loads"), QStringLiteral("ConcentratedLoads"),
               QStringLiteral("&Edit Concentrated Loads"), QStringLiteral("BoundCond"),
               QStringLiteral("Apply &Concentrated Loads"), TOptionSwitch::ConcentratedLoads},
              parent) {}
};

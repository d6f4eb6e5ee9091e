// "Additional Surcharge": a sketch of the surcharge loads and the button that opens the surcharge
// table.
#pragma once

#include "app/dialogs/tablebuttonwindow.h"

class TDlgRebar : public TTableButtonWindow {
  public:
    explicit TDlgRebar(const TDataContext& context, QWidget* parent = nullptr)
        : TTableButtonWindow(
              context,
              {QStringLiteral("Additional Surcharge"), QStringLiteral("Surcharge"),
               QStringLiteral("&Edit Surcharge Loads"), QStringLiteral("SurchargeTable"),
               QStringLiteral(""), TOptionSwitch::None},
              parent) {}
};

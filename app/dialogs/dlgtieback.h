// "Tieback (Ground Anchor)": a sketch of the anchor geometry and the button that opens the tieback
// table.
#pragma once

#include "app/dialogs/tablebuttonwindow.h"

class TDlgTieback : public TTableButtonWindow {
  public:
    explicit TDlgTieback(const TDataContext& context, QWidget* parent = nullptr)
        : TTableButtonWindow(
              context,
              {QStringLiteral("Tieback (Ground Anchor)"), QStringLiteral("Tieback"),
               QStringLiteral("&Enter Tieback data"), QStringLiteral("TiebackTable1"),
               QStringLiteral(""), TOptionSwitch::None},
              parent) {}
};

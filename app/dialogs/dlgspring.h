// "Lateral & Rotational Springs": the spring switch and the button that opens the spring table.
#pragma once

#include "app/dialogs/tablebuttonwindow.h"

class TDlgSpring : public TTableButtonWindow {
  public:
    explicit TDlgSpring(const TDataContext& context, QWidget* parent = nullptr)
        : TTableButtonWindow(
              context,
              {QStringLiteral("Lateral & Rotational Springs"), QStringLiteral("Springs"),
               QStringLiteral("&Edit Spring Stiffness"), QStringLiteral("SoilStrength"),
               QStringLiteral("&Lateral and Rotational Springs"), TOptionSwitch::LateralSprings},
              parent) {}
};

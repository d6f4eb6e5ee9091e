// The user's settings store of the desktop program: organisation "Tarvos",
// application "KELDRA", positioned in the group of this version (keldra::kVersion).
#pragma once

#include <QSettings>

class TSettingsGroup {
  public:
    TSettingsGroup();
    QSettings& operator*() { return m_store; }
    QSettings* operator->() { return &m_store; }

  private:
    QSettings m_store;
};

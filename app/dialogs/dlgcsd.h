// "Wall Configuration": the free height, the widths for the active earth
// pressure and for the p-y resistance, the water tables on both sides, the
// modification factor of the active pressure, the slope of the backfill and
// the uniform load on it, with two explanatory sketches.
#pragma once

#include "app/dialogs/datawindow.h"

class TdlgCSD : public TDataWindow {
    Q_OBJECT

  public:
    explicit TdlgCSD(const TDataContext& context, QWidget* parent = nullptr);

    [[nodiscard]] TDataEdit* freeHeight() const { return m_freeHeight; }
    [[nodiscard]] TDataEdit* activeWidth() const { return m_activeWidth; }
    [[nodiscard]] TDataEdit* resistanceWidth() const { return m_resistanceWidth; }
    [[nodiscard]] TDataEdit* waterBackfill() const { return m_waterBackfill; }
    [[nodiscard]] TDataEdit* waterExcavation() const { return m_waterExcavation; }
    [[nodiscard]] TDataEdit* pressureFactor() const { return m_pressureFactor; }
    [[nodiscard]] TDataEdit* slope() const { return m_slope; }
    [[nodiscard]] TDataEdit* uniformLoad() const { return m_uniformLoad; }

  private:
    TDataEdit* m_freeHeight;
    TDataEdit* m_activeWidth;
    TDataEdit* m_resistanceWidth;
    TDataEdit* m_waterBackfill;
    TDataEdit* m_waterExcavation;
    TDataEdit* m_pressureFactor;
    TDataEdit* m_slope;
    TDataEdit* m_uniformLoad;
};

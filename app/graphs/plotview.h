#pragma once

#include <array>
#include <optional>

#include "app/graphs/axisrange.h"

class TGraphPlot;

// The ranges a plot window shows: the full range of each panel, computed when the window opens,
// and the current (possibly zoomed) view.
class TPlotView {
  public:
    static constexpr int kPanels = 3;

    // The full ranges of the main list and the lists of panels 2 and 3. Empty when a range has
    // no usable step: the window then closes.
    [[nodiscard]] static std::optional<TPlotView> ForGraph(const TGraphPlot& graph);

    [[nodiscard]] const TPanelRange& full(int panel) const { return m_full[idx(panel)]; }
    [[nodiscard]] const TPanelRange& view(int panel) const { return m_view[idx(panel)]; }

    // A rubber band in values becomes the view of the panel: clamped to the full range, and no
    // narrower than a twentieth of it in either direction.
    void zoomIn(int panel, const TPanelRange& band);
    // Zooms out around a value: the view becomes [p - b, p + b] with b the current width, at
    // most half the full width, p moved so that the view stays inside the full range.
    void zoomOut(int panel, double x, double y);

  private:
    static std::size_t idx(int panel) { return static_cast<std::size_t>(panel); }

    std::array<TPanelRange, kPanels> m_full{};
    std::array<TPanelRange, kPanels> m_view{};
};

// One axis of the zoom rules, testable on its own.
[[nodiscard]] TAxisRange ZoomedIn(TAxisRange full, double a, double b);
[[nodiscard]] TAxisRange ZoomedOut(TAxisRange full, TAxisRange current, double p);

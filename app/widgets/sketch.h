// The explanatory pictures of the input windows and table windows: SVG
// sketches of the wall, the loads and the anchor geometry, by name.
#pragma once

#include <QString>

class QWidget;

// A widget showing the sketch `name` ("Tieback", "EarthPressure" ...) at its
// own size, or nullptr when there is no sketch of that name.
[[nodiscard]] QWidget* createSketch(const QString& name, QWidget* parent = nullptr);

#pragma once

#include <array>
#include <vector>

// Scene coordinates of the 3D view: x across the wall (backfill negative, excavation positive),
// y along the wall, z up (depth d lies at z = -d). Lengths in feet (English) or metres (SI).
struct TVec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend TVec3 operator+(TVec3 a, TVec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend TVec3 operator-(TVec3 a, TVec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend TVec3 operator*(TVec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
    friend bool operator==(const TVec3&, const TVec3&) = default;
};

struct TColour {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float opacity = 1.0f;

    [[nodiscard]] TColour withOpacity(float alpha) const { return {red, green, blue, alpha}; }
    friend bool operator==(const TColour&, const TColour&) = default;
};

// A hexahedron: corner a + 2b + 4c lies at the a-, b- and c-ends of its three edge directions,
// so axis-aligned boxes, inclined anchor rods and deformed bricks share one shape.
struct TSceneBox {
    std::array<TVec3, 8> corners;
    TColour fill;
    TColour edges;
    bool outlineOnly = false;
};

// A flat quadrilateral (water planes).
struct TSceneQuad {
    std::array<TVec3, 4> corners;
    TColour fill;
    TColour edges;
};

// A water-table symbol: an inverted pyramid whose apex stands on the water plane.
struct TScenePyramid {
    TVec3 apex;
    double size = 0.0;  // side of the square base and height
    TColour fill;
    TColour edges;
};

// An arrow whose tip touches `anchor` and which points along `direction` (a unit vector); or a
// moment / rotation symbol: a half ring about the axis `direction` centred at `anchor`, with the
// cone at the end that gives the sense of rotation (right-hand rule).
enum class TSymbolKind { Arrow, Moment };

struct TSceneSymbol {
    TSymbolKind kind = TSymbolKind::Arrow;
    TVec3 anchor;
    TVec3 direction;
    double size = 0.0;
    int colourIndex = 1;  // 1 blue, 2 green, 3 red, 4 magenta, 5 cyan, 6 yellow
};

struct TSceneLine {
    TVec3 from;
    TVec3 to;
    TColour colour;
};

// The objects of one display list.
struct TSceneList {
    std::vector<TSceneBox> boxes;
    std::vector<TSceneQuad> quads;
    std::vector<TScenePyramid> pyramids;
    std::vector<TSceneSymbol> symbols;
    std::vector<TSceneLine> lines;
};

// Symbol colours by index, opaque.
[[nodiscard]] TColour symbolColour(int index);

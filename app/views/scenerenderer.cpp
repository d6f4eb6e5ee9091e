#include "app/views/scenerenderer.h"

#include <array>
#include <cmath>
#include <numbers>

#include "app/views/glwindow.h"
#include "app/views/scenecolours.h"

namespace {

constexpr int kCircleSegments = 40;

TVec3 cross(TVec3 a, TVec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(TVec3 a, TVec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
TVec3 normalised(TVec3 v) {
    const double length = std::sqrt(dot(v, v));
    return length > 0.0 ? v * (1.0 / length) : v;
}

// Two unit vectors perpendicular to `axis` and to each other.
std::pair<TVec3, TVec3> perpendiculars(TVec3 axis) {
    const TVec3 helper = std::abs(axis.z) < 0.9 ? TVec3{0, 0, 1} : TVec3{1, 0, 0};
    const TVec3 u = normalised(cross(axis, helper));
    return {u, cross(axis, u)};
}

// Corner indices of the six faces of a hexahedron (corner a + 2b + 4c).
constexpr std::array<std::array<int, 4>, 6> kBoxFaces{
    {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}}};
constexpr std::array<std::array<int, 2>, 12> kBoxEdges{{{0, 1},
                                                        {2, 3},
                                                        {4, 5},
                                                        {6, 7},
                                                        {0, 2},
                                                        {1, 3},
                                                        {4, 6},
                                                        {5, 7},
                                                        {0, 4},
                                                        {1, 5},
                                                        {2, 6},
                                                        {3, 7}}};

}  // namespace

void TSceneRenderer::colour(TColour c) { m_gl.Color(c.red, c.green, c.blue, c.opacity); }
void TSceneRenderer::vertex(TVec3 v) { m_gl.Vertex(v.x, v.y, v.z); }

void TSceneRenderer::draw(const TSceneList& list) {
    for (const TSceneBox& box : list.boxes) drawBox(box);
    for (const TScenePyramid& pyramid : list.pyramids) drawPyramid(pyramid);
    for (const TSceneLine& line : list.lines) drawLine(line);
    // Planes and symbols are seen from both sides.
    m_gl.Disable(TglWindow::glCullFace());
    for (const TSceneQuad& quad : list.quads) drawQuad(quad);
    for (const TSceneSymbol& symbol : list.symbols)
        symbol.kind == TSymbolKind::Arrow ? drawArrow(symbol) : drawMoment(symbol);
    m_gl.Enable(TglWindow::glCullFace());
}

void TSceneRenderer::drawFace(const TVec3* corners, int count, TVec3 inside) {
    TVec3 centre{};
    for (int i = 0; i < count; ++i) centre = centre + corners[i] * (1.0 / count);
    const TVec3 normal = cross(corners[1] - corners[0], corners[2] - corners[0]);
    const bool outward = dot(normal, centre - inside) >= 0.0;
    for (int i = 0; i < count; ++i) vertex(corners[outward ? i : count - 1 - i]);
}

void TSceneRenderer::drawBox(const TSceneBox& box) {
    TVec3 centre{};
    for (const TVec3& c : box.corners) centre = centre + c * 0.125;
    if (!box.outlineOnly) {
        colour(box.fill);
        m_gl.Begin(TglWindow::glQuads());
        for (const auto& face : kBoxFaces) {
            const std::array<TVec3, 4> corners{box.corners[face[0]], box.corners[face[1]],
                                               box.corners[face[2]], box.corners[face[3]]};
            drawFace(corners.data(), 4, centre);
        }
        m_gl.End();
    }
    colour(box.edges);
    m_gl.Begin(TglWindow::glLines());
    for (const auto& edge : kBoxEdges) {
        vertex(box.corners[edge[0]]);
        vertex(box.corners[edge[1]]);
    }
    m_gl.End();
}

void TSceneRenderer::drawQuad(const TSceneQuad& quad) {
    colour(quad.fill);
    m_gl.Begin(TglWindow::glQuads());
    for (const TVec3& corner : quad.corners) vertex(corner);
    m_gl.End();
    colour(quad.edges);
    m_gl.Begin(TglWindow::glLineStrip());
    for (const TVec3& corner : quad.corners) vertex(corner);
    vertex(quad.corners[0]);
    m_gl.End();
}

void TSceneRenderer::drawPyramid(const TScenePyramid& pyramid) {
    const double h = pyramid.size / 2;
    const TVec3 a = pyramid.apex;
    const std::array<TVec3, 4> base{
        TVec3{a.x - h, a.y - h, a.z + pyramid.size}, TVec3{a.x + h, a.y - h, a.z + pyramid.size},
        TVec3{a.x + h, a.y + h, a.z + pyramid.size}, TVec3{a.x - h, a.y + h, a.z + pyramid.size}};
    const TVec3 inside{a.x, a.y, a.z + 0.75 * pyramid.size};
    colour(pyramid.fill);
    m_gl.Begin(TglWindow::glTriangles());
    for (int i = 0; i < 4; ++i) {
        const std::array<TVec3, 3> side{a, base[i], base[(i + 1) % 4]};
        drawFace(side.data(), 3, inside);
    }
    m_gl.End();
    m_gl.Begin(TglWindow::glQuads());
    drawFace(base.data(), 4, inside);
    m_gl.End();
    colour(pyramid.edges);
    m_gl.Begin(TglWindow::glLines());
    for (int i = 0; i < 4; ++i) {
        vertex(a);
        vertex(base[i]);
        vertex(base[i]);
        vertex(base[(i + 1) % 4]);
    }
    m_gl.End();
}

void TSceneRenderer::drawFrustum(TVec3 base, TVec3 axis, double length, double r0, double r1,
                                 TColour fill, TColour rim) {
    const auto [u, v] = perpendiculars(axis);
    const TVec3 top = base + axis * length;
    auto rimPoint = [&](TVec3 centre, double r, int k) {
        const double a = 2 * std::numbers::pi * k / kCircleSegments;
        return centre + u * (r * std::cos(a)) + v * (r * std::sin(a));
    };
    colour(fill);
    m_gl.Begin(TglWindow::glQuads());
    for (int k = 0; k < kCircleSegments; ++k) {
        vertex(rimPoint(base, r0, k));
        vertex(rimPoint(base, r0, k + 1));
        vertex(rimPoint(top, r1, k + 1));
        vertex(rimPoint(top, r1, k));
    }
    m_gl.End();
    colour(rim);
    for (const auto& [centre, r] : {std::pair{base, r0}, std::pair{top, r1}}) {
        if (r <= 0.0) continue;
        m_gl.Begin(TglWindow::glLineStrip());
        for (int k = 0; k <= kCircleSegments; ++k) vertex(rimPoint(centre, r, k));
        m_gl.End();
    }
}

void TSceneRenderer::drawArrow(const TSceneSymbol& symbol) {
    // A shaft three quarters of the size long, then a cone whose base is three shafts wide.
    const double s = symbol.size;
    const double shaft = s / 30;
    const TColour outline = symbolColour(symbol.colourIndex);
    const TColour fill = outline.withOpacity(SceneColour::kSymbolFillOpacity);
    const TVec3 d = normalised(symbol.direction);
    const TVec3 tail = symbol.anchor - d * s;
    drawFrustum(tail, d, 0.75 * s, shaft, shaft, fill, outline);
    drawFrustum(tail + d * (0.75 * s), d, 0.25 * s, 3 * shaft, 0.0, fill, outline);
}

void TSceneRenderer::drawMoment(const TSceneSymbol& symbol) {
    // A half ring on the backfill side, turning about `direction` by the right-hand rule.
    const double radius = symbol.size / 4;
    const TVec3 axis = normalised(symbol.direction);
    const TVec3 u{-1, 0, 0};         // toward the backfill
    const TVec3 v = cross(axis, u);  // the ring's start lies at -v, its end at +v
    const TColour outline = symbolColour(symbol.colourIndex);
    m_gl.LineWidth(2.0f);
    colour(outline);
    m_gl.Begin(TglWindow::glLineStrip());
    for (int k = 0; k <= kCircleSegments / 2; ++k) {
        const double a = -std::numbers::pi / 2 + std::numbers::pi * k / (kCircleSegments / 2);
        vertex(symbol.anchor + u * (radius * std::cos(a)) + v * (radius * std::sin(a)));
    }
    m_gl.End();
    m_gl.LineWidth(1.0f);
    const TVec3 end = symbol.anchor + v * radius;
    const TVec3 tangent = normalised(cross(axis, v));
    const double cone = symbol.size / 10;
    drawFrustum(end, tangent, cone, cone / 2.5, 0.0,
                outline.withOpacity(SceneColour::kSymbolFillOpacity), outline);
}

void TSceneRenderer::drawLine(const TSceneLine& line) {
    colour(line.colour);
    m_gl.Begin(TglWindow::glLines());
    vertex(line.from);
    vertex(line.to);
    m_gl.End();
}

void TSceneRenderer::drawAxes(double length) {
    struct TAxis {
        TVec3 end;
        int colour;
        const char* label;
    };
    const std::array<TAxis, 3> axes{
        {{{length, 0, 0}, 1, "X"}, {{0, length, 0}, 2, "Y"}, {{0, 0, -length}, 3, "D"}}};
    for (const TAxis& axis : axes) {
        colour(symbolColour(axis.colour));
        m_gl.Begin(TglWindow::glLines());
        vertex({});
        vertex(axis.end);
        m_gl.End();
        m_gl.Text(QString::fromLatin1(axis.label), axis.end.x, axis.end.y, axis.end.z);
    }
}

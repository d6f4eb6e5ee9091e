#pragma once

#include "app/views/scenetypes.h"

class TglWindow;

// Draws the objects of a scene list with the control's fixed-function calls: filled faces in
// their fill colour, edges and symbol outlines opaque. Call it while compiling a display list.
class TSceneRenderer {
  public:
    explicit TSceneRenderer(TglWindow& gl) : m_gl(gl) {}

    void draw(const TSceneList& list);
    // The axes from the origin, `length` long, labelled "X", "Y" and "D".
    void drawAxes(double length);

  private:
    void drawBox(const TSceneBox& box);
    void drawQuad(const TSceneQuad& quad);
    void drawPyramid(const TScenePyramid& pyramid);
    void drawArrow(const TSceneSymbol& symbol);
    void drawMoment(const TSceneSymbol& symbol);
    void drawLine(const TSceneLine& line);
    // A cone or cylinder segment along `axis` from `base` (radius r0) to base + axis·length
    // (radius r1), with 40-segment rims outlined in `rim`.
    void drawFrustum(TVec3 base, TVec3 axis, double length, double r0, double r1, TColour fill,
                     TColour rim);
    // A face whose vertices are put in counter-clockwise order seen from outside `inside`.
    void drawFace(const TVec3* corners, int count, TVec3 inside);
    void colour(TColour c);
    void vertex(TVec3 v);

    TglWindow& m_gl;
};

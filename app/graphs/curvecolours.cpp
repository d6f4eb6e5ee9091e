#include "app/graphs/curvecolours.h"

namespace {

struct TRgb {
    int r, g, b;
};

// black, blue, red, green, purple, maroon, navy, fuchsia, olive, teal, gray, lime, gray,
// silver, silver, yellow, aqua
constexpr TRgb kColours[kCurveColourCount] = {
    {0, 0, 0},       {0, 0, 255},     {255, 0, 0},     {0, 128, 0},   {128, 0, 128},   {128, 0, 0},
    {0, 0, 128},     {255, 0, 255},   {128, 128, 0},   {0, 128, 128}, {128, 128, 128}, {0, 255, 0},
    {128, 128, 128}, {192, 192, 192}, {192, 192, 192}, {255, 255, 0}, {0, 255, 255}};

}  // namespace

QColor CurveColour(int position) {
    const int i = ((position % kCurveColourCount) + kCurveColourCount) % kCurveColourCount;
    return QColor(kColours[i].r, kColours[i].g, kColours[i].b);
}

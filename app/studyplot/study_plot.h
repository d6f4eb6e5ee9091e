// The plot of an embedment study: the top deflection and the largest moment
// against the embedment, one panel each, embedments that do not close
// marked with a red cross.
#pragma once

#include <QString>

#include "app/studies/embedment_study.h"

class QPainter;
class QRectF;

namespace keldra::studyplot {

void DrawEmbedmentPlot(QPainter& painter, const QRectF& area, const studies::EmbedmentStudy& study);

// Writes the plot as SVG (a name ending in .svg) or PNG (any other name).
// Needs a QGuiApplication. Returns why it could not, or an empty text.
[[nodiscard]] QString WriteEmbedmentPlot(const QString& fileName,
                                         const studies::EmbedmentStudy& study);

}  // namespace keldra::studyplot

#include "app/export/legendframe.h"

namespace {

// Shape properties come after the legend's position, layout and overlay and before its text
// properties.
const QByteArray kLegendShape =
    "<c:spPr><a:solidFill><a:srgbClr val=\"FFFFFF\"/></a:solidFill>"
    "<a:ln><a:solidFill><a:srgbClr val=\"000000\"/></a:solidFill></a:ln></c:spPr>";

bool isChartPart(const QByteArray& name) {
    return name.startsWith("xl/charts/chart") && name.endsWith(".xml");
}

}  // namespace

QByteArray FramedLegend(const QByteArray& chartXml) {
    const qsizetype start = chartXml.indexOf("<c:legend>");
    if (start < 0) return chartXml;
    const qsizetype end = chartXml.indexOf("</c:legend>", start);
    if (end < 0) return chartXml;
    const qsizetype text = chartXml.indexOf("<c:txPr>", start);
    QByteArray framed = chartXml;
    framed.insert(text >= 0 && text < end ? text : end, kLegendShape);
    return framed;
}

void FrameChartLegends(std::vector<TZipEntry>& entries) {
    for (TZipEntry& entry : entries)
        if (isChartPart(entry.name)) entry.data = FramedLegend(entry.data);
}

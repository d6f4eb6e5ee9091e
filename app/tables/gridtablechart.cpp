#include "app/tables/gridtablechart.h"

#include "app/tables/columnstream.h"
#include "app/tables/tableerror.h"

TGridTableChart::TGridTableChart(TTableRegistry& registry, const TGridTable* ownerTable)
    : TGridTable(registry, ownerTable) {}

std::unique_ptr<TGridTable> TGridTableChart::createEmpty(const TGridTable& owner) const {
    return std::make_unique<TGridTableChart>(registry(), &owner);
}

void TGridTableChart::copyPropertiesTo(TGridTable& clone) const {
    TGridTable::copyPropertiesTo(clone);
    auto& chart = static_cast<TGridTableChart&>(clone);  // made by createEmpty
    chart.m_getDataFromFile = m_getDataFromFile;
    chart.m_okCancelButtons = m_okCancelButtons;
    chart.m_invertedXAxis = m_invertedXAxis;
    chart.m_invertedYAxis = m_invertedYAxis;
    chart.m_graphic = m_graphic;
}

void TGridTableChart::writeColumns(TColumnStream& stream) const {
    TGridTable::writeColumns(stream);
    stream.write(m_graphic.showGraph);
    stream.write(m_graphic.drawSegments);
    stream.write(m_graphic.xColumn);
    stream.write(m_graphic.yColumn);
    stream.write(m_graphic.x2Column);
    stream.write(m_graphic.y2Column);
}

void TGridTableChart::readColumns(TColumnStream& stream) {
    TGridTable::readColumns(stream);
    try {
        TGraphicParameters read;
        read.showGraph = stream.readBoolean();
        read.drawSegments = stream.readBoolean();
        read.xColumn = stream.readInteger();
        read.yColumn = stream.readInteger();
        read.x2Column = stream.readInteger();
        read.y2Column = stream.readInteger();
        m_graphic = read;
    } catch (const ETableError&) {
        throw ETableError(QStringLiteral("Error reading graphic parameters"));
    }
}

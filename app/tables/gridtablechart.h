#pragma once

#include "app/tables/gridtable.h"

// What the window of a charted table plots: the chart of two columns, or a
// drawing of one segment per row. Positions count all columns from 0; the
// plotted columns must be float columns.
struct TGraphicParameters {
    bool showGraph = false;
    bool drawSegments = false;
    int xColumn = 0;
    int yColumn = 0;
    int x2Column = 0;
    int y2Column = 0;

    bool operator==(const TGraphicParameters&) const = default;
};

// A data table for curve inputs (p-y curves, moment-EI curves), edited in a
// window with a chart preview. It has the column model of TGridTable; it
// differs in its registry (charted tables have an identifier space of their
// own, and their sub-table templates are found among charted tables only),
// in its unit tokens (F, F1, F2, L, L1, L2), in the window options below and
// in the graphic parameters, which follow the columns in the column stream.
//
// The main window never switches the unit system of its charted tables:
// their titles show English labels and their values are never converted.
class TGridTableChart : public TGridTable {
    Q_OBJECT

  public:
    // `registry` must be the registry of charted tables.
    explicit TGridTableChart(TTableRegistry& registry, const TGridTable* ownerTable = nullptr);

    [[nodiscard]] TUnitDialect unitDialect() const override { return TUnitDialect::Chart; }

    // The window offers reading the rows from a text file or the clipboard.
    [[nodiscard]] bool getDataFromFile() const { return m_getDataFromFile; }
    void setGetDataFromFile(bool on) { m_getDataFromFile = on; }
    [[nodiscard]] bool okCancelButtons() const { return m_okCancelButtons; }
    void setOkCancelButtons(bool on) { m_okCancelButtons = on; }
    [[nodiscard]] bool invertedXAxis() const { return m_invertedXAxis; }
    void setInvertedXAxis(bool on) { m_invertedXAxis = on; }
    [[nodiscard]] bool invertedYAxis() const { return m_invertedYAxis; }
    void setInvertedYAxis(bool on) { m_invertedYAxis = on; }

    [[nodiscard]] const TGraphicParameters& graphicParameters() const { return m_graphic; }
    void setGraphicParameters(const TGraphicParameters& parameters) { m_graphic = parameters; }

    // The plotted values of a row; a plotted column that is not a float
    // column raises "Data of wrong type".
    [[nodiscard]] double xValue(int row) const { return real(m_graphic.xColumn, row); }
    [[nodiscard]] double yValue(int row) const { return real(m_graphic.yColumn, row); }

    // The columns, then ShowGraph, DrawSegments, XColumn, YColumn, X2Column,
    // Y2Column. Failing to read these raises "Error reading graphic parameters".
    void writeColumns(TColumnStream& stream) const override;
    void readColumns(TColumnStream& stream) override;

  protected:
    void copyPropertiesTo(TGridTable& clone) const override;
    [[nodiscard]] std::unique_ptr<TGridTable> createEmpty(const TGridTable& owner) const override;

  private:
    bool m_getDataFromFile = false;
    bool m_okCancelButtons = false;
    bool m_invertedXAxis = false;
    bool m_invertedYAxis = false;
    TGraphicParameters m_graphic;
};

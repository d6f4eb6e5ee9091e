// TTableChartForm: the window of a curve table. Besides the grid of the
// table window it shows a line chart of two of the table's columns above the
// grid and, when the table allows it, the controls that fill the table from
// a text file or from text on the clipboard.
#pragma once

#include "app/forms/tableform.h"

class QLineEdit;
class QChartView;
class QChart;
class TGridTableChart;
struct TChartAxis;

class TTableChartForm : public TTableForm {
    Q_OBJECT

  public:
    static constexpr int kMaxRowsWithChart = 5;
    static constexpr QSize kChartSize{285, 170};

    TTableChartForm(TGridTableChart& table, TTableWindows& windows, bool modal,
                    QWidget* parent = nullptr);

    [[nodiscard]] QChartView* chartView() const { return m_chartView; }
    [[nodiscard]] QLineEdit* fileNameEdit() const { return m_fileName; }
    [[nodiscard]] QPushButton* browseButton() const { return m_browse; }
    [[nodiscard]] QPushButton* editButton() const { return m_edit; }
    [[nodiscard]] QPushButton* readButton() const { return m_read; }
    [[nodiscard]] QPushButton* clipboardButton() const { return m_clip; }
    [[nodiscard]] QWidget* segmentView() const { return m_segments; }

    // Draws the chart from the values stored in the table.
    void drawChart();
    void browse();
    void viewFile();
    void readFromFile();
    void pasteFromClipboard();

  protected:
    [[nodiscard]] int maxRowsShown() const override;
    void addAboveGrid(QVBoxLayout& layout) override;
    void addBelowRowButtons(QVBoxLayout& layout) override;
    void gridRebuilt() override;
    void gridTouched() override { drawChart(); }
    void mousePressEvent(QMouseEvent* event) override;

  private:
    [[nodiscard]] bool chartShown() const;
    void updateFileButtons();
    // Stores the lines into the table; messages of failed entries are shown.
    void fillFrom(const QStringList& lines);
    void applyAxis(const TChartAxis& axis, Qt::Orientation orientation);

    TGridTableChart& m_chartTable;
    QChartView* m_chartView = nullptr;
    QChart* m_chart = nullptr;
    QWidget* m_segments = nullptr;
    QLineEdit* m_fileName = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_read = nullptr;
    QPushButton* m_clip = nullptr;
};

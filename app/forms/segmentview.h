// The drawing a charted table can show instead of its chart: one straight
// segment per row, from the point (first column, second column) to the point
// (third column, fourth column), scaled to the box of the plotted columns,
// with each row's number at its midpoint.
#pragma once

#include <QWidget>

class TGridTableChart;

class TSegmentView : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMargin = 20;

    explicit TSegmentView(const TGridTableChart& table, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const TGridTableChart& m_table;
};

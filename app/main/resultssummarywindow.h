// The "Results Summary" window: the results of every problem side by side (construction
// stages, or the short-term and long-term analysis), one row per quantity with its unit, the
// notes below; the table copies to the clipboard as text or as tab-separated values. What it
// shows is the headless summary's table; the window only lays it out.
#pragma once

#include <QWidget>

#include "app/results/summary_table.h"

class QLabel;
class QTableWidget;

class TResultsSummaryWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TResultsSummaryWindow(keldra::results::SummaryTable summary,
                                   QWidget* parent = nullptr);

    [[nodiscard]] QTableWidget& table() const { return *m_table; }
    [[nodiscard]] QLabel& notes() const { return *m_notes; }

    void copyAsText() const;
    void copyAsTabSeparatedValues() const;

    // Wide enough for every column, tall enough for every row.
    [[nodiscard]] QSize sizeHint() const override;

  private:
    void fillTable();

    keldra::results::SummaryTable m_summary;
    QTableWidget* m_table;
    QLabel* m_notes;
};

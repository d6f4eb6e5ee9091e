// The "Design Studies" window: an embedment or strength study of the saved
// project, run off the user-interface thread with a progress bar and
// Cancel, then its table (copied to the clipboard as tab-separated values,
// saved as the CSV of keldra-study), the plot of an embedment study (saved
// as SVG or PNG) and its verdict. The studied projects are kept in a folder
// next to the project; double-clicking a row asks to open that row's project.
#pragma once

#include <QString>
#include <QWidget>
#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/studies/study_tables.h"

class QComboBox;
class QTabWidget;
class TEmbedmentPlotView;
class TUserPrompts;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

class TDesignStudiesWindow : public QWidget {
    Q_OBJECT

  public:
    // `prompts` asks for the files to save to and tells why one could not be written.
    TDesignStudiesWindow(QString projectFile, int units, QString engineLibrary,
                         TUserPrompts& prompts, QWidget* parent = nullptr);
    ~TDesignStudiesWindow() override;

    // What the window holds, for its tests.
    [[nodiscard]] QComboBox& study() const { return *m_study; }
    [[nodiscard]] QLineEdit& field(int index) const { return *m_fields[index]; }
    [[nodiscard]] QPushButton& runButton() const { return *m_run; }
    [[nodiscard]] QPushButton& cancelButton() const { return *m_cancelButton; }
    [[nodiscard]] QTableWidget& table() const { return *m_table; }
    [[nodiscard]] QLabel& verdict() const { return *m_verdict; }
    [[nodiscard]] QTabWidget& results() const { return *m_results; }
    [[nodiscard]] QPushButton& savePlotButton() const { return *m_savePlot; }
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] QString studyFolder() const { return m_folder; }

    void start();
    void cancel();
    void copyTable() const;
    void saveTable();
    void savePlot();

    // Wide enough for the table's columns of an embedment study, tall enough for its plot.
    [[nodiscard]] QSize sizeHint() const override { return {900, 680}; }

  signals:
    void openProject(const QString& fileName);

  private:
    struct Outcome {
        std::vector<keldra::studies::StudyColumn> columns;
        std::string csv;
        std::optional<keldra::studies::EmbedmentStudy> embedment;
        QString verdict;
        QString error;
    };

    [[nodiscard]] static Outcome Cancelled();
    void showFields();
    void finish(const Outcome& outcome);
    [[nodiscard]] Outcome runStudy(int kind, std::vector<double> values, int jobs);
    void showTable(const std::vector<keldra::studies::StudyColumn>& columns);
    // The project's name with `ending` in the study folder.
    [[nodiscard]] QString proposedFile(const QString& ending) const;

    QString m_projectFile, m_engineLibrary, m_folder;
    int m_units;
    TUserPrompts& m_prompts;
    QComboBox* m_study;
    std::vector<QLabel*> m_labels;
    std::vector<QLineEdit*> m_fields;
    QSpinBox* m_jobs;
    QPushButton* m_run;
    QPushButton* m_cancelButton;
    QProgressBar* m_progress;
    QPushButton* m_copy;
    QPushButton* m_saveTable;
    QPushButton* m_savePlot;
    QTabWidget* m_results;
    QTableWidget* m_table;
    TEmbedmentPlotView* m_plot;
    QLabel* m_verdict;
    std::string m_csv;  // the table shown, as keldra-study writes it
    QString m_studied;  // "embedment" or "strength": names the files proposed
    bool m_running = false;
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
};

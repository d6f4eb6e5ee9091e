// The "Design Studies" window: an embedment or strength study of the saved
// project, run off the user-interface thread with a progress bar and
// Cancel, then its table (copied to the clipboard as tab-separated values)
// and its verdict. The studied projects are kept in a folder next to the
// project; double-clicking a row asks to open that row's project.
#pragma once

#include <QString>
#include <QWidget>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/studies/study_tables.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

class TDesignStudiesWindow : public QWidget {
    Q_OBJECT

  public:
    TDesignStudiesWindow(QString projectFile, int units, QString engineLibrary,
                         QWidget* parent = nullptr);
    ~TDesignStudiesWindow() override;

    // What the window holds, for its tests.
    [[nodiscard]] QComboBox& study() const { return *m_study; }
    [[nodiscard]] QLineEdit& field(int index) const { return *m_fields[index]; }
    [[nodiscard]] QPushButton& runButton() const { return *m_run; }
    [[nodiscard]] QPushButton& cancelButton() const { return *m_cancelButton; }
    [[nodiscard]] QTableWidget& table() const { return *m_table; }
    [[nodiscard]] QLabel& verdict() const { return *m_verdict; }
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] QString studyFolder() const { return m_folder; }

    void start();
    void cancel();
    void copyTable() const;

    // Wide enough for the table's columns of an embedment study.
    [[nodiscard]] QSize sizeHint() const override { return {900, 560}; }

  signals:
    void openProject(const QString& fileName);

  private:
    struct Outcome {
        std::vector<keldra::studies::StudyColumn> columns;
        QString verdict;
        QString error;
    };

    [[nodiscard]] static Outcome Cancelled();
    void showFields();
    void finish(const Outcome& outcome);
    [[nodiscard]] Outcome runStudy(int kind, std::vector<double> values, int jobs);

    QString m_projectFile, m_engineLibrary, m_folder;
    int m_units;
    QComboBox* m_study;
    std::vector<QLabel*> m_labels;
    std::vector<QLineEdit*> m_fields;
    QSpinBox* m_jobs;
    QPushButton* m_run;
    QPushButton* m_cancelButton;
    QProgressBar* m_progress;
    QTableWidget* m_table;
    QLabel* m_verdict;
    bool m_running = false;
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
};

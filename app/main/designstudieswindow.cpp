#include "app/main/designstudieswindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/main/embedmentplotview.h"
#include "app/project/inouterror.h"
#include "app/project/textfile.h"
#include "app/studies/embedment_study.h"
#include "app/studies/strength_study.h"
#include "app/studyplot/study_plot.h"
#include "app/widgets/userprompts.h"

using namespace keldra::studies;

namespace {

enum Study { kEmbedment = 0, kStrength = 1 };

// The fields of each study: caption and initial text; the length unit
// follows the project.
struct FieldDefinition {
    QString caption, initial;
};

std::vector<FieldDefinition> FieldsOf(int study, const QString& length) {
    if (study == kStrength)
        return {{QStringLiteral("Precision"), QStringLiteral("0.01")},
                {QStringLiteral("Largest factor"), QStringLiteral("10")}};
    return {{QStringLiteral("From embedment (%1)").arg(length), QString()},
            {QStringLiteral("To embedment (%1)").arg(length), QString()},
            {QStringLiteral("Step (%1)").arg(length), QString()}};
}

constexpr int kMostFields = 3;

QString Line(const std::string& text) { return QString::fromStdString(text).trimmed(); }

}  // namespace

TDesignStudiesWindow::TDesignStudiesWindow(QString projectFile, int units, QString engineLibrary,
                                           TUserPrompts& prompts, QWidget* parent)
    : QWidget(parent),
      m_projectFile(std::move(projectFile)),
      m_engineLibrary(std::move(engineLibrary)),
      m_units(units),
      m_prompts(prompts) {
    setWindowTitle(QStringLiteral("Design Studies"));
    const QFileInfo info(m_projectFile);
    m_folder = info.dir().filePath(info.completeBaseName() + QStringLiteral("-studies"));

    m_study = new QComboBox;
    m_study->addItems({QStringLiteral("Embedment"), QStringLiteral("Strength")});
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Study"), m_study);
    for (int k = 0; k < kMostFields; ++k) {
        m_labels.push_back(new QLabel);
        m_fields.push_back(new QLineEdit);
        form->addRow(m_labels.back(), m_fields.back());
    }
    m_jobs = new QSpinBox;
    m_jobs->setRange(1, 64);
    m_jobs->setValue(std::max(1, QThread::idealThreadCount()));
    form->addRow(QStringLiteral("Runs at a time"), m_jobs);

    m_run = new QPushButton(QStringLiteral("Run"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"));
    m_cancelButton->setEnabled(false);
    m_copy = new QPushButton(QStringLiteral("Copy"));
    m_saveTable = new QPushButton(QStringLiteral("Save Table..."));
    m_savePlot = new QPushButton(QStringLiteral("Save Plot..."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_run);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch();
    for (QPushButton* button : {m_copy, m_saveTable, m_savePlot}) {
        button->setEnabled(false);
        buttons->addWidget(button);
    }

    m_progress = new QProgressBar;
    m_table = new QTableWidget;
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_plot = new TEmbedmentPlotView;
    m_results = new QTabWidget;
    m_results->addTab(m_table, QStringLiteral("Table"));
    m_results->addTab(m_plot, QStringLiteral("Plot"));
    m_verdict = new QLabel;
    auto* kept = new QLabel(QStringLiteral("The studied projects are kept in %1; double-click a "
                                           "row to open its project.")
                                .arg(QDir::toNativeSeparators(m_folder)));
    kept->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_verdict);
    layout->addWidget(kept);

    connect(m_study, &QComboBox::currentIndexChanged, this, [this] { showFields(); });
    connect(m_run, &QPushButton::clicked, this, [this] { start(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyTable(); });
    connect(m_saveTable, &QPushButton::clicked, this, [this] { saveTable(); });
    connect(m_savePlot, &QPushButton::clicked, this, [this] { savePlot(); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const int last = m_table->columnCount() - 1;
        if (last >= 0 && m_table->item(row, last) != nullptr)
            emit openProject(QDir(m_folder).filePath(m_table->item(row, last)->text()));
    });
    showFields();
}

TDesignStudiesWindow::~TDesignStudiesWindow() {
    m_cancel = true;
    if (m_worker.joinable()) m_worker.join();
}

void TDesignStudiesWindow::showFields() {
    const std::vector<FieldDefinition> fields =
        FieldsOf(m_study->currentIndex(), LengthUnit(m_units));
    for (int k = 0; k < kMostFields; ++k) {
        const bool shown = k < static_cast<int>(fields.size());
        m_labels[k]->setVisible(shown);
        m_fields[k]->setVisible(shown);
        if (!shown) continue;
        m_labels[k]->setText(fields[k].caption);
        m_fields[k]->setText(fields[k].initial);
    }
}

void TDesignStudiesWindow::start() {
    if (m_running) return;
    const int kind = m_study->currentIndex();
    std::vector<double> values;
    for (std::size_t k = 0; k < FieldsOf(kind, QString()).size(); ++k) {
        bool ok = false;
        values.push_back(m_fields[k]->text().trimmed().toDouble(&ok));
        if (!ok) {
            m_verdict->setText(QStringLiteral("%1 is not a number.").arg(m_labels[k]->text()));
            m_fields[k]->setFocus();
            return;
        }
    }
    if (m_worker.joinable()) m_worker.join();
    m_running = true;
    m_cancel = false;
    m_run->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_progress->setRange(0, 0);
    m_verdict->setText(QStringLiteral("Running..."));
    const int jobs = m_jobs->value();
    m_worker = std::thread([this, kind, values, jobs] {
        const Outcome outcome = runStudy(kind, values, jobs);
        QMetaObject::invokeMethod(
            this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
    });
}

TDesignStudiesWindow::Outcome TDesignStudiesWindow::Cancelled() {
    Outcome outcome;
    outcome.error = QStringLiteral("The study was cancelled.");
    return outcome;
}

TDesignStudiesWindow::Outcome TDesignStudiesWindow::runStudy(int kind, std::vector<double> values,
                                                             int jobs) {
    StudyRunOptions options{.jobs = jobs,
                            .library = m_engineLibrary.toStdString(),
                            .cancel = &m_cancel,
                            .progress = [this](int done, int total) {
                                QMetaObject::invokeMethod(
                                    this,
                                    [this, done, total] {
                                        m_progress->setRange(0, total);
                                        m_progress->setValue(done);
                                    },
                                    Qt::QueuedConnection);
                            }};
    Outcome outcome;
    try {
        if (!QDir().mkpath(m_folder))
            throw EInOutError(QStringLiteral("Cannot make the folder %1.").arg(m_folder));
        if (kind == kStrength) {
            const StrengthStudy study =
                RunStrengthStudy(m_projectFile, m_folder, values[0], values[1], options);
            if (study.cancelled) return Cancelled();
            outcome.columns = StrengthColumns(study, values[0]);
            outcome.csv = StrengthCsv(study, values[0]);
            outcome.verdict = Line(FactorOfSafetyLine(study, values[0]));
            if (study.non_monotone)
                outcome.verdict +=
                    QStringLiteral(" (closure is not monotone among the factors tried)");
        } else {
            const EmbedmentStudy study = RunEmbedmentStudy(
                m_projectFile, m_folder, {values[0], values[1], values[2]}, options);
            if (study.cancelled) return Cancelled();
            outcome.columns = EmbedmentColumns(study, false);
            outcome.csv = EmbedmentCsv(study);
            outcome.verdict = Line(CriticalEmbedmentLine(study));
            outcome.embedment = study;
        }
    } catch (const std::invalid_argument& error) {
        outcome.error = QString::fromStdString(error.what());
    } catch (const EInOutError& error) {
        outcome.error = error.message();
    }
    return outcome;
}

void TDesignStudiesWindow::cancel() {
    m_cancel = true;
    m_cancelButton->setEnabled(false);
}

void TDesignStudiesWindow::finish(const Outcome& outcome) {
    m_running = false;
    m_run->setEnabled(true);
    m_cancelButton->setEnabled(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(outcome.error.isEmpty() ? 1 : 0);
    m_verdict->setText(outcome.error.isEmpty() ? outcome.verdict : outcome.error);
    if (!outcome.error.isEmpty()) return;
    showTable(outcome.columns);
    m_csv = outcome.csv;
    m_studied = outcome.embedment ? QStringLiteral("embedment") : QStringLiteral("strength");
    m_plot->setStudy(outcome.embedment);
    m_copy->setEnabled(true);
    m_saveTable->setEnabled(true);
    m_savePlot->setEnabled(outcome.embedment.has_value());
    m_results->setTabEnabled(m_results->indexOf(m_plot), outcome.embedment.has_value());
}

void TDesignStudiesWindow::showTable(const std::vector<StudyColumn>& columns) {
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(columns.size()));
    m_table->setRowCount(columns.empty() ? 0 : static_cast<int>(columns.front().cells.size()));
    for (int c = 0; c < m_table->columnCount(); ++c) {
        m_table->setHorizontalHeaderItem(
            c, new QTableWidgetItem(QString::fromStdString(columns[c].title)));
        for (int r = 0; r < m_table->rowCount(); ++r)
            m_table->setItem(r, c,
                             new QTableWidgetItem(QString::fromStdString(columns[c].cells[r])));
    }
    m_table->resizeColumnsToContents();
}

void TDesignStudiesWindow::copyTable() const {
    QString text;
    const auto row = [&](const std::function<QString(int)>& cell) {
        QStringList cells;
        for (int c = 0; c < m_table->columnCount(); ++c) cells << cell(c);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    row([&](int c) { return m_table->horizontalHeaderItem(c)->text(); });
    for (int r = 0; r < m_table->rowCount(); ++r)
        row([&](int c) { return m_table->item(r, c)->text(); });
    QApplication::clipboard()->setText(text);
}

QString TDesignStudiesWindow::proposedFile(const QString& ending) const {
    return QDir(m_folder).filePath(QStringLiteral("%1-%2%3").arg(
        QFileInfo(m_projectFile).completeBaseName(), m_studied, ending));
}

void TDesignStudiesWindow::saveTable() {
    if (m_csv.empty()) return;
    const QString file = m_prompts.saveFileName(
        this, QStringLiteral("Save Table"), proposedFile(QStringLiteral(".csv")),
        QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    if (file.isEmpty()) return;
    try {
        writeTextFile(file, QByteArray::fromStdString(m_csv));
    } catch (const EInOutError& error) {
        m_prompts.warning(this, error.message());
    }
}

void TDesignStudiesWindow::savePlot() {
    if (!m_plot->study()) return;
    const QString file = m_prompts.saveFileName(
        this, QStringLiteral("Save Plot"), proposedFile(QStringLiteral(".svg")),
        QStringLiteral("SVG drawings (*.svg);;PNG images (*.png)"), QStringLiteral("svg"));
    if (file.isEmpty()) return;
    const QString error = keldra::studyplot::WriteEmbedmentPlot(file, *m_plot->study());
    if (!error.isEmpty())
        m_prompts.warning(this, QStringLiteral("The plot was not saved: %1.").arg(error));
}

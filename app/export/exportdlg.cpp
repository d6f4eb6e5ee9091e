#include "app/export/exportdlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/export/exporterror.h"
#include "app/export/workbookexport.h"
#include "app/graphs/graphplot.h"
#include "app/widgets/waitcursor.h"

namespace {

const QString kTitle = QStringLiteral("Export to Excel");
const QString kNotSavedYet =
    QStringLiteral("The workbook is saved where you choose and opens when it is complete.");

// The save dialog of a running program; it asks before overwriting.
QString chooseWorkbook(QWidget* parent, const QString& proposedName) {
    QFileDialog dialog(parent, kTitle, proposedName, "Excel Workbook (*.xlsx)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("xlsx");
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool openWorkbook(const QString& fileName) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

}  // namespace

TDlgExport::TDlgExport(TExportChoices choices, const QString& projectFileName, QWidget* parent)
    : QDialog(parent),
      m_choices(std::move(choices)),
      m_projectFileName(projectFileName),
      m_plots(new QListWidget),
      m_selectAll(new QPushButton("Select All")),
      m_unselectAll(new QPushButton("Unselect All")),
      m_generate(new QPushButton("Generate Excel File")),
      m_close(new QPushButton("Close Window")),
      m_savedNote(new QLabel),
      m_message(InformationBox(this)),
      m_choose([this](const QString& proposed) { return chooseWorkbook(this, proposed); }),
      m_open(openWorkbook) {
    setWindowTitle(kTitle);
    m_plots->setObjectName("CheckListBoxPlots");

    auto* group = new QGroupBox("Available Plots");
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_plots);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_selectAll, m_unselectAll, m_generate, m_close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    for (const char* note : {"An Excel instance (if available) will open. ",
                             "Please wait until all the data has been exported to Excel."})
        layout->addWidget(new QLabel(note));
    // The workbook is complete on disk before it opens: the note says where, not "save it".
    m_savedNote->setText(kNotSavedYet);
    m_savedNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_savedNote);

    connect(m_selectAll, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(m_unselectAll, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(m_generate, &QPushButton::clicked, this, [this] { generate(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    resize(420, 360);
}

QString TDlgExport::ProposedFileName(const QString& projectFileName) {
    const QFileInfo project(projectFileName);
    return project.dir().filePath(project.completeBaseName() + "-plots.xlsx");
}

void TDlgExport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refill();
}

void TDlgExport::refill() {
    m_plots->clear();
    m_listed.clear();
    for (const TExportChoice& choice : m_choices()) {
        auto* item = new QListWidgetItem(choice.graph->Caption, m_plots);
        item->setFlags(choice.enabled ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled
                                      : Qt::ItemIsUserCheckable);
        item->setCheckState(choice.enabled ? Qt::Checked : Qt::Unchecked);
        m_listed.push_back(choice.graph);
    }
    updateGenerate();
}

void TDlgExport::tickAll(bool ticked) {
    for (int i = 0; i < m_plots->count(); ++i) {
        QListWidgetItem* item = m_plots->item(i);
        if (item->flags() & Qt::ItemIsEnabled)
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    updateGenerate();
}

// Ticking entries by hand leaves the button as it is; the list's buttons and the next
// activation look again.
void TDlgExport::updateGenerate() { m_generate->setEnabled(!tickedGraphs().empty()); }

std::vector<const TGraphPlot*> TDlgExport::tickedGraphs() const {
    std::vector<const TGraphPlot*> ticked;
    for (int i = 0; i < m_plots->count(); ++i)
        if (m_plots->item(i)->checkState() == Qt::Checked) ticked.push_back(m_listed[i]);
    return ticked;
}

void TDlgExport::generate() {
    const QString fileName = m_choose(ProposedFileName(m_projectFileName));
    if (fileName.isEmpty()) return;
    try {
        const TWaitCursor wait;
        ExportPlotsToWorkbook(tickedGraphs(), fileName);
    } catch (const EExportError& error) {
        m_message(error.message());
        return;
    }
    const QString saved = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    m_savedNote->setText(QString("The workbook was saved as \"%1\".").arg(saved));
    if (!m_open(fileName))
        m_message(
            QString("No application opened the workbook. It was saved as \"%1\".").arg(saved));
}

#include "app/dialogs/dlgoptions.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/widgets/userprompts.h"

namespace {

// Programs on this platform carry no extension of their own.
const QString kProgramFilters = QStringLiteral("Programs (*);;All Files (*)");

}  // namespace

TDlgOptions::TDlgOptions(const TDataContext& context, QWidget* parent)
    : TDataWindow(context, parent),
      m_editor(new QLineEdit(this)),
      m_browse(new QPushButton(QStringLiteral("&Browse..."), this)) {
    setWindowTitle(QStringLiteral("Control Options"));
    m_editor->setMinimumWidth(m_editor->fontMetrics().horizontalAdvance(QString(40, u'n')));
    auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
    label->setBuddy(m_editor);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_editor, 0, 1);
    grid->addWidget(m_browse, 0, 2);
    grid->setRowStretch(1, 1);
    connect(m_browse, &QPushButton::clicked, this, &TDlgOptions::browse);
    // Stored as it is edited: a command that uses the editor may come before focus leaves.
    connect(m_editor, &QLineEdit::textChanged, this, [this](const QString& path) {
        markEdited();
        this->context().setEditorPath(path);  // the constructor's argument hides context()
    });
    load();
}

void TDlgOptions::browse() {
    int filterIndex = 1;
    const QString chosen =
        prompts().openFileName(this, QStringLiteral("Text Editor"), kProgramFilters, filterIndex);
    if (!chosen.isEmpty()) m_editor->setText(chosen);
}

void TDlgOptions::loadOthers() { m_editor->setText(context().editorPath()); }

// The editor path belongs to the main window's settings, not to the project.
bool TDlgOptions::storeOthers() {
    if (m_editor->text() != context().editorPath()) context().setEditorPath(m_editor->text());
    return false;
}

#include "app/dialogs/dlgtitle.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/project/programdata.h"

TdlgTitle::TdlgTitle(const TDataContext& context, QWidget* parent)
    : TDataWindow(context, parent), m_title(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Project Title"));
    m_title->setMaxLength(kMaxTitleLength);
    connect(m_title, &QLineEdit::textEdited, this, [this] { markEdited(); });
    m_title->setMinimumWidth(m_title->fontMetrics().horizontalAdvance(QString(60, u'n')));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter text line for project description:"), this));
    layout->addWidget(m_title);
    layout->addStretch();
    load();
}

void TdlgTitle::loadOthers() { m_title->setText(project().title); }

// The project becomes modified only when the text changed.
bool TdlgTitle::storeOthers() {
    if (m_title->text() == project().title) return false;
    project().title = m_title->text();
    return true;
}

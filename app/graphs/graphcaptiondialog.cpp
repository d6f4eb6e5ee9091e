#include "app/graphs/graphcaptiondialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmGraphCaption::TfrmGraphCaption(const QString& title, bool onTop, QWidget* parent)
    : QDialog(parent),
      m_caption(new QLineEdit(title, this)),
      m_top(new QRadioButton("Top", this)),
      m_bottom(new QRadioButton("Bottom", this)) {
    setWindowTitle("Graph Caption");
    m_caption->setObjectName("edtCaption");
    m_top->setObjectName("rbTop");
    m_bottom->setObjectName("rbBottom");
    (onTop ? m_top : m_bottom)->setChecked(true);

    auto* location = new QGroupBox("Caption Location", this);
    auto* radios = new QHBoxLayout(location);
    radios->addWidget(m_top);
    radios->addWidget(m_bottom);
    auto* ok = new QPushButton("&OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Enter Graph Caption", this));
    column->addWidget(m_caption);
    column->addWidget(location);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    resize(320, sizeHint().height());
}

QString TfrmGraphCaption::title() const { return m_caption->text(); }

bool TfrmGraphCaption::onTop() const { return m_top->isChecked(); }

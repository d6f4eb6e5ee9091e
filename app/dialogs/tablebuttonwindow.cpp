#include "app/dialogs/tablebuttonwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/forms/tablewindows.h"
#include "app/project/programdata.h"
#include "app/tables/projecttables.h"
#include "app/widgets/sketch.h"

TTableButtonWindow::TTableButtonWindow(const TDataContext& context, TTableButtonSetup setup,
                                       QWidget* parent)
    : TDataWindow(context, parent),
      m_setup(std::move(setup)),
      m_button(new QPushButton(m_setup.buttonText, this)) {
    setWindowTitle(m_setup.caption);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(margin());
    if (QWidget* sketch = createSketch(m_setup.sketch, this))
        layout->addWidget(sketch, 0, Qt::AlignHCenter);
    auto* controls = new QHBoxLayout;
    if (!m_setup.checkBoxText.isEmpty()) {
        m_check = new QCheckBox(m_setup.checkBoxText, this);
        controls->addWidget(m_check);
        connect(m_check, &QCheckBox::clicked, this, &TTableButtonWindow::checkClicked);
    }
    controls->addStretch();
    controls->addWidget(m_button);
    layout->addLayout(controls);
    connect(m_button, &QPushButton::clicked, this,
            [this] { tables().show(project().tables().table(m_setup.tableName)); });
    load();
}

bool* TTableButtonWindow::optionSwitch() const {
    TOptionSwitches& o = project().options;
    switch (m_setup.option) {
        case TOptionSwitch::ConcentratedLoads:
            return &o.concentratedLoads;
        case TOptionSwitch::LateralSprings:
            return &o.lateralSprings;
        case TOptionSwitch::None:
            break;
    }
    return nullptr;
}

void TTableButtonWindow::loadOthers() {
    if (!m_check) return;
    m_check->setChecked(*optionSwitch());
    m_button->setEnabled(m_check->isChecked());
}

// Unchecking closes the table's window at once; the switch is stored when
// the window loses the focus or closes.
void TTableButtonWindow::checkClicked(bool on) {
    markEdited();
    m_button->setEnabled(on);
    if (on) return;
    tables().close(project().tables().table(m_setup.tableName));
    project().SetModified(true);
}

bool TTableButtonWindow::storeOthers() {
    if (!m_check || *optionSwitch() == m_check->isChecked()) return false;
    *optionSwitch() = m_check->isChecked();
    return true;
}

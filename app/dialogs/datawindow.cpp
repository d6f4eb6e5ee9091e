#include "app/dialogs/datawindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

#include "app/project/programdata.h"
#include "app/widgets/dataedit.h"

void addFieldRow(QGridLayout& grid, TDataEdit& field, int row) {
    grid.addWidget(field.editLabel(), row, 0);
    grid.addWidget(&field, row, 1);
}

TDataWindow::TDataWindow(const TDataContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setAttribute(Qt::WA_DeleteOnClose);
    connect(qApp, &QApplication::focusChanged, this, &TDataWindow::focusMoved);
}

int TDataWindow::margin() const { return logicalDpiX() / 20; }

TDataEdit* TDataWindow::addField(const QString& caption, const QString& unitsString,
                                 std::function<double()> read, std::function<void(double)> write) {
    auto* field = new TDataEdit(caption, prompts(), this);
    field->setUnitsString(unitsString);
    connect(field, &QLineEdit::textEdited, this, &TDataWindow::markEdited);
    m_bindings.push_back({field, std::move(read), std::move(write)});
    return field;
}

void TDataWindow::load() {
    const int units = project().units();
    for (TBinding& b : m_bindings) {
        b.field->setUnits(units);
        b.field->setValue(b.read());
        b.shown = b.field->value();
    }
    loadOthers();
    m_lastStoreFailed = false;
    m_edited = false;
}

bool TDataWindow::storeValues() {
    if (m_storing) return true;
    m_storing = true;
    for (TBinding& b : m_bindings)
        if (!b.field->validate()) {
            b.field->setFocus();
            m_storing = false;
            m_lastStoreFailed = true;
            return false;
        }
    bool changed = false;
    for (TBinding& b : m_bindings)
        if (b.field->value() != b.shown) {
            b.write(b.field->value());
            b.shown = b.field->value();
            changed = true;
        }
    changed = storeOthers() || changed;
    if (changed) project().SetModified(true);
    m_storing = false;
    m_lastStoreFailed = false;
    m_edited = false;
    return true;
}

// Leaving the window stores it; coming back reads the project, unless the
// window holds changes of its own (a refused store, an edit made meanwhile).
void TDataWindow::focusMoved(QWidget* old, QWidget* now) {
    if (m_storing) return;
    const bool wasInside = old && isAncestorOf(old);
    const bool isInside = now && isAncestorOf(now);
    if (wasInside && !isInside) {
        if (!storeValues()) activateWindow();
    } else if (!wasInside && isInside && !m_lastStoreFailed && !m_edited) {
        load();
    }
}

void TDataWindow::closeEvent(QCloseEvent* event) {
    if (!storeValues()) {
        event->ignore();
        return;
    }
    disconnect(qApp, nullptr, this, nullptr);
    event->accept();
}

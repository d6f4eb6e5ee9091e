#include "app/forms/tablewindows.h"

#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/forms/tablechartform.h"
#include "app/forms/tableform.h"
#include "app/tables/gridtablechart.h"

namespace {

// Whether `table` lies inside `owner` (a sub-table at any depth).
bool isInside(const TGridTable& table, const TGridTable& owner) {
    for (const TGridTable* t = table.ownerTable(); t; t = t->ownerTable())
        if (t == &owner) return true;
    return false;
}

}  // namespace

TTableWindows::TTableWindows(TUserPrompts& prompts, QMdiArea* mdiArea)
    : m_prompts(prompts), m_mdiArea(mdiArea) {}

TTableWindows::~TTableWindows() {
    for (auto& [table, form] : m_windows)
        if (form) delete frameOf(form);
}

TTableForm* TTableWindows::windowOf(const TGridTable& table) const {
    const auto found = m_windows.find(&table);
    return found == m_windows.end() ? nullptr : found->second.data();
}

QWidget* TTableWindows::frameOf(TTableForm* form) {
    auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    return frame ? static_cast<QWidget*>(frame) : form;
}

TTableForm* TTableWindows::create(TGridTable& table, bool modal) {
    TTableForm* form = nullptr;
    if (auto* chart = dynamic_cast<TGridTableChart*>(&table))
        form = new TTableChartForm(*chart, *this, modal);
    else
        form = new TTableForm(table, *this, modal);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->build();
    m_windows[&table] = form;
    connect(&table, &QObject::destroyed, form, &TTableForm::detach);
    connect(form, &QObject::destroyed, this, [this, key = &table] {
        const auto found = m_windows.find(key);
        if (found != m_windows.end() && !found->second) m_windows.erase(found);
    });
    return form;
}

TTableForm* TTableWindows::show(TGridTable& table, bool modal, QWidget* owner) {
    if (table.visibleColumnCount() == 0) return nullptr;
    if (TTableForm* open = windowOf(table)) {
        QWidget* frame = frameOf(open);
        frame->show();
        frame->raise();
        frame->activateWindow();
        if (m_mdiArea && frame != open)
            m_mdiArea->setActiveSubWindow(static_cast<QMdiSubWindow*>(frame));
        return open;
    }
    TTableForm* form = create(table, modal);
    if (modal) {
        form->setParent(owner ? owner->window() : nullptr, Qt::Dialog);
        form->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
        form->show();
        loop.exec();
        return nullptr;
    }
    if (m_mdiArea) {
        QMdiSubWindow* frame = m_mdiArea->addSubWindow(form);
        frame->setObjectName(table.objectName());  // the main window finds table windows by name
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->show();
        form->fitToContent();
    } else {
        form->show();
    }
    return form;
}

void TTableWindows::close(TGridTable& table) {
    closeSubTableWindows(table);
    if (TTableForm* form = windowOf(table)) form->detach();
}

void TTableWindows::closeSubTableWindows(const TGridTable& table) {
    std::vector<TTableForm*> inner;
    for (auto& [t, form] : m_windows)
        if (form && isInside(*t, table)) inner.push_back(form);
    for (TTableForm* form : inner) form->detach();
}

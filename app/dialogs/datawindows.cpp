#include "app/dialogs/datawindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/dialogs/dlgconloads.h"
#include "app/dialogs/dlgcsd.h"
#include "app/dialogs/dlgoptions.h"
#include "app/dialogs/dlgprop.h"
#include "app/dialogs/dlgrebar.h"
#include "app/dialogs/dlgspring.h"
#include "app/dialogs/dlgtieback.h"
#include "app/dialogs/dlgtitle.h"
#include "app/forms/tablewindows.h"
#include "app/project/programdata.h"
#include "app/tables/projecttables.h"

TDataWindows::TDataWindows(TDataContext context, QMdiArea* mdiArea)
    : m_tables(std::make_unique<TTableWindows>(*context.prompts, mdiArea)),
      m_context(std::move(context)),
      m_mdiArea(mdiArea) {
    m_context.tables = m_tables.get();
}

TDataWindows::~TDataWindows() {
    for (auto& [kind, window] : m_windows) delete window.data();
}

TDataWindow* TDataWindows::window(TDataWindowKind kind) const {
    const auto found = m_windows.find(kind);
    return found == m_windows.end() ? nullptr : found->second.data();
}

TDataWindow* TDataWindows::create(TDataWindowKind kind) {
    switch (kind) {
        case TDataWindowKind::Title:
            return new TdlgTitle(m_context);
        case TDataWindowKind::WallProperties:
            return new TDlgProp(m_context);
        case TDataWindowKind::WallConfiguration:
            return new TdlgCSD(m_context);
        case TDataWindowKind::Surcharge:
            return new TDlgRebar(m_context);
        case TDataWindowKind::ConcentratedLoads:
            return new TDlgConLoads(m_context);
        case TDataWindowKind::Springs:
            return new TDlgSpring(m_context);
        case TDataWindowKind::Tieback:
            return new TDlgTieback(m_context);
        case TDataWindowKind::TextEditorOption:
            return new TDlgOptions(m_context);
    }
    return nullptr;
}

TDataWindow* TDataWindows::open(TDataWindowKind kind) {
    TDataWindow* shown = window(kind);
    if (!shown) {
        shown = create(kind);
        m_windows[kind] = shown;
        if (m_mdiArea) {
            QMdiSubWindow* frame = m_mdiArea->addSubWindow(shown);
            frame->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    QWidget* frame = m_mdiArea ? shown->parentWidget() : shown;
    frame->show();
    if (frame != shown) frame->resize(frame->sizeHint());
    frame->raise();
    if (m_mdiArea) m_mdiArea->setActiveSubWindow(static_cast<QMdiSubWindow*>(frame));
    return shown;
}

TTableForm* TDataWindows::openTable(QStringView name) {
    return m_tables->show(m_context.project().tables().table(name));
}

void TDataWindows::closeTable(QStringView name) {
    m_tables->close(m_context.project().tables().table(name));
}

void TDataWindows::refresh() {
    for (auto& [kind, window] : m_windows)
        if (window) window->load();
}

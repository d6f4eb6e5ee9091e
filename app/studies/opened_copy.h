// A project opened from a copy of its file under another name, for a study
// that changes it and saves it there. The stage files of a staged project
// live beside the copy while it is open and are removed with the object.
#pragma once

#include <QString>
#include <functional>

#include "app/project/programdata.h"
#include "app/tables/projecttables.h"

namespace keldra::studies {

class OpenedCopy {
  public:
    // Raises EInOutError when the copy cannot be made or read.
    OpenedCopy(const QString& source, const QString& copy);
    ~OpenedCopy();
    OpenedCopy(const OpenedCopy&) = delete;
    OpenedCopy& operator=(const OpenedCopy&) = delete;

    [[nodiscard]] TProgramData& project() { return m_project; }

    // Calls `change` with every stage current in turn, the last one last.
    void forEachStage(const std::function<void(TProgramData&)>& change);

    // Writes the project back to the copy. Raises EInOutError.
    void save();

  private:
    TProjectTables m_tables;
    TProgramData m_project{m_tables};
    QString m_copy;
};

}  // namespace keldra::studies

// A project data file opened the way the desktop program's Open command opens it, for the
// command-line tools: the first block read into a new project and, for a staged project, the
// file split into stage files that are read and, from an older layout, converted. The stage
// files are made beside a copy of the file in a scratch folder, so that nothing is written
// next to the file opened.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "app/project/filelayout.h"
#include "app/project/programdata.h"
#include "app/tables/projecttables.h"

namespace keldra::cli {

class OpenedProject {
  public:
    // `fileName` names an existing regular file.
    OpenedProject(const QString& fileName, TFileLayout layout);
    OpenedProject(const OpenedProject&) = delete;
    OpenedProject& operator=(const OpenedProject&) = delete;

    // What the desktop program shows after opening the file, one message per box, in order;
    // empty when the file was read cleanly. Names in the scratch folder are given as the
    // names next to the file opened.
    [[nodiscard]] const QStringList& messages() const { return m_messages; }

    // Save As: writes the project in the current layout under `fileName`; a staged project
    // writes its stage files next to it. Raises EInOutError; a file of that name keeps its
    // contents when the project data file cannot be written.
    void saveAs(const QString& fileName);

    // The project as read: its first stage current, the stage files in the scratch folder.
    [[nodiscard]] TProgramData& project() { return m_project; }

  private:
    void prepareStageFiles(const QString& fileName, TFileLayout layout);
    void keep(const QString& message);

    TProjectTables m_tables;
    TProgramData m_project{m_tables};
    std::optional<QTemporaryDir> m_scratch;  // made for a staged project only
    QString m_folder;                        // the folder of the file opened, for names in messages
    QStringList m_messages;
};

}  // namespace keldra::cli

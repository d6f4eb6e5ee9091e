// libFuzzer target: the desktop program's reading of project data files.
//
// Each input goes through the word reader directly, with every kind of read in turn, and is
// opened as a project data file of every layout the way the Open command does: the first block
// read into a new project and, for a staged project, the file split into stage files that are
// read and converted. The files live in a private folder made once per process.
//
// Besides crashes and sanitizer reports, two properties abort the run: a conversion message
// must name a line and an item of the data, and a file that opens without a message must save,
// open again without a message and save to the same bytes (Open reads back what Save wrote).
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/project/constructionstages.h"
#include "app/project/filelayout.h"
#include "app/project/inouterror.h"
#include "app/project/programdata.h"
#include "app/project/projectfiles.h"
#include "app/project/projectreader.h"
#include "app/project/textfile.h"
#include "app/project/wordreader.h"
#include "app/tables/projecttables.h"

namespace {

[[noreturn]] void Fail(const QString& what, const QByteArray& detail = {}) {
    std::fprintf(stderr, "project_fuzz: %s\n%s\n", qPrintable(what), detail.constData());
    std::abort();
}

// A conversion failure names the one-based line and item of the word taken last.
void CheckMessage(const QStringList& lines, const QString& message) {
    if (message == QLatin1String("This file either invalid or incomplete.")) return;
    static const QRegularExpression kLineAndItem(
        QStringLiteral("^Error on Line (\\d+) Item (\\d+)\r(A floating point number|An integer) "
                       "was expected but not found\\.$"));
    const QRegularExpressionMatch match = kLineAndItem.match(message);
    if (!match.hasMatch()) Fail("unexpected word reader message: " + message);
    const qsizetype line = match.captured(1).toLongLong();
    const qsizetype item = match.captured(2).toLongLong();
    if (line < 1 || line > lines.size() || item < 1 ||
        item > TWordReader::SplitWords(lines[line - 1]).size()) {
        Fail("the message names no word of the data: " + message);
    }
}

void ReadEveryWord(const QByteArray& content) {
    const QStringList lines = textLines(content);
    TWordReader words(content);
    if (words.LineCount() != lines.size()) Fail("line count differs from the text's lines");
    // Every read takes a word or a line, or meets the end of the data.
    for (int k = 0; !words.AtEnd(); ++k) {
        try {
            switch (k % 5) {
                case 0:
                    (void)words.ReadFloat();
                    break;
                case 1:
                case 2:
                    (void)words.ReadInteger();
                    break;
                case 3:
                    (void)words.NextWord();
                    break;
                default:
                    if (words.ReadLine() != lines[words.CurrentLine() - 1])
                        Fail("ReadLine changed the line's text");
            }
        } catch (const EInOutError& error) {
            CheckMessage(lines, error.message());
        }
    }
}

// The private folder of this process.
class Workspace {
  public:
    Workspace() {
        if (!m_dir.isValid()) Fail("no temporary folder: " + m_dir.errorString());
    }
    [[nodiscard]] QString path(const QString& name) const {
        return QDir(m_dir.path()).filePath(name);
    }

  private:
    QTemporaryDir m_dir;
};

// The file name of each layout as the desktop program tells them apart.
QString FileName(TFileLayout layout) {
    switch (layout) {
        case TFileLayout::Current:
            return QStringLiteral("wall.kd5d");
        case TFileLayout::Release2013:
            return QStringLiteral("wall.kd4d");
        case TFileLayout::Release30:
            return QStringLiteral("wall.kdd");
        case TFileLayout::Oldest:
            break;
    }
    return QStringLiteral("oldest.kdd");
}

void WriteFile(const QString& name, const QByteArray& content) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size() || !file.flush()) {
        Fail("cannot write " + name + ": " + file.errorString());
    }
}

// The tables belong to the main window and outlive every project, as in the desktop program.
TProjectTables& Tables() {
    static TProjectTables tables;
    return tables;
}

// The Open command: the first block, then the stage files of a staged project. True when
// neither step had a message for the user.
bool Open(TProgramData& project, const QString& fileName, TFileLayout layout) {
    project.files.fileName = fileName;
    bool clean = TProjectReader::readProjectFile(project, layout).isEmpty();
    if (project.stages.count > 1) {
        try {
            clean = ConstructionStages::openStagedProject(project, layout).isEmpty() && clean;
        } catch (const EInOutError&) {
            clean = false;
        }
    }
    return clean;
}

// Save As, and the bytes it wrote.
QByteArray SaveAs(TProgramData& project, const QString& fileName) {
    try {
        ProjectFiles::saveAs(project, fileName);
        return readTextFile(fileName);
    } catch (const EInOutError& error) {
        Fail("cannot save in the temporary folder: " + error.message());
    }
}

// Opens the input in one layout; a file that opens cleanly is saved, opened and saved again,
// which must give the same bytes.
void OpenAndSave(const Workspace& workspace, const QByteArray& content, TFileLayout layout) {
    const QString input = workspace.path(FileName(layout));
    WriteFile(input, content);
    QByteArray saved;
    {
        TProgramData project(Tables());
        if (!Open(project, input, layout)) return;
        saved = SaveAs(project, workspace.path(QStringLiteral("saved.kd5d")));
    }
    TProgramData project(Tables());
    if (!Open(project, workspace.path(QStringLiteral("saved.kd5d")), TFileLayout::Current))
        Fail("a saved file does not open cleanly", saved);
    const QByteArray again = SaveAs(project, workspace.path(QStringLiteral("again.kd5d")));
    if (again != saved) Fail("saved, opened and saved again differs", saved + "\n" + again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Workspace workspace;
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadEveryWord(content);
    for (TFileLayout layout : {TFileLayout::Current, TFileLayout::Release2013,
                               TFileLayout::Release30, TFileLayout::Oldest}) {
        OpenAndSave(workspace, content, layout);
    }
    return 0;
}

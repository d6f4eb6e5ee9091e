// keldra-project check [--layout KIND] FILE...
// keldra-project convert [--layout KIND] IN OUT
//
// Project data files without the desktop program: check reads files as its Open command does
// and prints the messages it would show; convert saves a file in the current layout as its
// Save As command does. The exit status is explained in the help text below.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/project/filelayout.h"
#include "app/project/inouterror.h"
#include "cli/opened_project.h"

namespace {

using keldra::cli::OpenedProject;

constexpr int kClean = 0;
constexpr int kMessages = 1;
constexpr int kUsageOrFiles = 2;

constexpr const char* kUsage =
    "Usage: keldra-project check [--layout KIND] FILE...\n"
    "  or:  keldra-project convert [--layout KIND] IN OUT\n"
    "  or:  keldra-project [check | convert] --help\n";

constexpr const char* kCheckHelp =
    "check: reads each project data file as the desktop program's Open command does and\n"
    "  prints every message Open would show, each line after the file's name. A staged\n"
    "  project is also split into its stage files, which are read as Open reads them; that\n"
    "  happens on a copy in a scratch folder, so nothing is written next to a file checked.\n"
    "  A file that reads cleanly prints nothing.\n";

constexpr const char* kConvertHelp =
    "convert: reads IN as the desktop program's Open command does and writes it as OUT in\n"
    "  the current layout, as Save As does; a staged project writes its stage files (OUT's\n"
    "  name with .st1 ... .st5) next to OUT as well. OUT may be IN. When Open would show a\n"
    "  message, it is printed and nothing is written. When OUT cannot be written, a file\n"
    "  already named OUT keeps its contents. OUT may not end in .kd4d or .kdd, which the\n"
    "  desktop program reads in an older layout.\n";

constexpr const char* kCommonHelp =
    "Layouts: a file is read in the layout its extension tells, as when the desktop program\n"
    "opens a file by name: .kd4d the 2013 layout, .kdd the 3.0 layout, any other extension\n"
    "the current layout (.kd5d). --layout KIND reads every file in one layout, as the file\n"
    "kinds of the open dialog do: 2015 (current), 2013, 3.0, or 2.0 (the oldest layout, also\n"
    "the one of \"All Files\").\n"
    "\n"
    "Exit status:\n"
    "  0  every file read cleanly; convert: OUT was written\n"
    "  1  a file read with a message; convert: nothing was written, or OUT could not be\n"
    "     written\n"
    "  2  a usage error, a file named that does not exist or is not a regular file, or an\n"
    "     OUT named .kd4d or .kdd; check goes on with the other files and exits with the\n"
    "     highest status\n";

struct Command {
    QString name;
    std::optional<TFileLayout> layout;  // by extension when empty
    QStringList files;
    bool help = false;
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The help of one command, or of both.
void PrintHelp(const QString& command) {
    QStringList sections{QString::fromLatin1(kUsage)};
    if (command != QLatin1String("convert")) sections.append(QString::fromLatin1(kCheckHelp));
    if (command != QLatin1String("check")) sections.append(QString::fromLatin1(kConvertHelp));
    sections.append(QString::fromLatin1(kCommonHelp));
    Print(stdout, sections.join('\n'));
}

int UsageError(const QString& why) {
    Print(stderr, "keldra-project: " + why + '\n' + QString::fromLatin1(kUsage));
    return kUsageOrFiles;
}

std::optional<TFileLayout> LayoutOfKind(const QString& kind) {
    const QStringList kinds = {"2015", "2013", "3.0", "2.0"};
    const qsizetype index = kinds.indexOf(kind);
    if (index < 0) return std::nullopt;
    return layoutOfFileKind(static_cast<int>(index) + 1);
}

// The command, its options and its files; an empty name after a usage error, which has been
// printed.
std::optional<Command> ParseCommand(const QStringList& arguments) {
    Command command;
    bool options = true;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            command.help = true;
        } else if (options && argument == QLatin1String("--layout") && k + 1 < arguments.size()) {
            command.layout = LayoutOfKind(arguments[++k]);
            if (!command.layout) {
                UsageError("unknown layout \"" + arguments[k] + "\" (2015, 2013, 3.0 or 2.0)");
                return std::nullopt;
            }
        } else if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && argument.startsWith('-')) {
            UsageError("unknown option \"" + argument + '"');
            return std::nullopt;
        } else if (command.name.isEmpty()) {
            command.name = argument;
        } else {
            command.files.append(argument);
        }
    }
    return command;
}

// The file exists and is a regular file (or a link to one); otherwise says why.
bool IsRegularFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists()) {
        Print(stderr, "keldra-project: " + fileName + ": no such file\n");
        return false;
    }
    if (!info.isFile()) {
        Print(stderr, "keldra-project: " + fileName + ": not a regular file\n");
        return false;
    }
    return true;
}

TFileLayout LayoutOf(const Command& command, const QString& fileName) {
    return command.layout ? *command.layout : layoutOfFileName(fileName);
}

// Each line of each message after `prefix` (the file's name), with the line breaks the
// message boxes show.
void PrintMessages(std::FILE* stream, const QString& prefix, const QStringList& messages) {
    for (const QString& message : messages) {
        QString text = message;
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
        for (const QString& line : text.split('\n')) Print(stream, prefix + ": " + line + '\n');
    }
}

int Check(const Command& command) {
    if (command.files.isEmpty()) return UsageError("check needs at least one FILE");
    int status = kClean;
    for (const QString& fileName : command.files) {
        if (!IsRegularFile(fileName)) {
            status = kUsageOrFiles;
            continue;
        }
        const OpenedProject project(fileName, LayoutOf(command, fileName));
        PrintMessages(stdout, fileName, project.messages());
        if (!project.messages().isEmpty()) status = std::max(status, kMessages);
    }
    return status;
}

int Convert(const Command& command) {
    if (command.files.size() != 2) return UsageError("convert needs IN and OUT");
    const QString& in = command.files[0];
    const QString& out = command.files[1];
    if (!IsRegularFile(in)) return kUsageOrFiles;
    const QFileInfo target(out);
    if (target.exists() && !target.isFile()) {
        Print(stderr, "keldra-project: " + out + ": not a regular file\n");
        return kUsageOrFiles;
    }
    if (layoutOfFileName(out) != TFileLayout::Current) {
        return UsageError(out + ": the desktop program reads a ." + target.suffix() +
                          " file in an older layout; name OUT .kd5d");
    }
    OpenedProject project(in, LayoutOf(command, in));
    if (!project.messages().isEmpty()) {
        PrintMessages(stderr, in, project.messages());
        Print(stderr, "keldra-project: " + in + " was not converted; nothing was written\n");
        return kMessages;
    }
    try {
        project.saveAs(out);
    } catch (const EInOutError& error) {
        PrintMessages(stderr, QStringLiteral("keldra-project"), {error.message()});
        return kMessages;
    }
    return kClean;
}

}  // namespace

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const std::optional<Command> command = ParseCommand(QCoreApplication::arguments());
    if (!command) return kUsageOrFiles;
    if (command->help) {
        PrintHelp(command->name);
        return kClean;
    }
    if (command->name == QLatin1String("check")) return Check(*command);
    if (command->name == QLatin1String("convert")) return Convert(*command);
    if (command->name.isEmpty()) return UsageError("no command given");
    return UsageError("unknown command \"" + command->name + '"');
}

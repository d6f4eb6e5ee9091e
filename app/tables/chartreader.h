#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class TGridTable;

// Fills a curve table from text: the lines of a text file or the text on
// the clipboard. A line counts when it holds exactly as many numbers as the
// table has visible (data) columns; headings, empty lines and lines with
// more or fewer numbers are skipped.
class TChartReader {
  public:
    static constexpr int kMaxNumbersPerLine = 15;

    // The numbers of one line: tokens end at a blank, tab, comma or carriage
    // return; the first token that is no number ends the line (an empty token
    // between two commas included), and so does the 15th number.
    [[nodiscard]] static QList<double> splitNumbers(const QString& line,
                                                    const QLocale& locale = QLocale());

    // The lines of a file, whatever its line ends. Raises ETableError when the
    // file cannot be opened or read.
    [[nodiscard]] static QStringList linesOfFile(const QString& path);
    // The lines of clipboard text: each ends at a carriage return (a line feed
    // right after it belongs to the break) that is not the last character of
    // the remaining text; what follows the last such break is not read.
    [[nodiscard]] static QStringList linesOfClipboardText(const QString& text);

    // Stores the counting lines into the rows from the first on through the
    // columns' text entry, adding row groups as needed and stopping at
    // MaxRows; then deletes the rows after the filled ones. When no line
    // counts the table is left as it was. A value that fails validation
    // raises its message; the rows filled so far stay. Returns the number of
    // rows filled.
    static int fill(TGridTable& table, const QStringList& lines, const QLocale& locale = QLocale());
};

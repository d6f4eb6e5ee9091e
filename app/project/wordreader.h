#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

// One line of a text data file: its words in order and the complete text as read.
struct TWordContainer {
    QString text;
    QStringList words;
};

// Reads a whole text data file into memory and hands it out word by word or line by line.
// Numbers are always read with "." as the decimal separator. Every failure raises EInOutError;
// conversion errors name the one-based line and item of the failing word. The cursors stay where
// a failure left them.
class TWordReader {
  public:
    explicit TWordReader(const QByteArray& content);

    // Reads the file; a file that cannot be opened or read raises EInOutError.
    [[nodiscard]] static TWordReader FromFile(const QString& fileName);

    [[nodiscard]] bool AtEnd() const { return m_line == LineCount(); }
    [[nodiscard]] double ReadFloat();
    [[nodiscard]] qint32 ReadInteger();
    // The complete text of the current line, untrimmed; words not yet taken from it are skipped.
    [[nodiscard]] QString ReadLine();
    [[nodiscard]] QString NextWord();

    [[nodiscard]] int LineCount() const { return static_cast<int>(m_lines.size()); }
    [[nodiscard]] int CurrentLine() const { return m_line; }
    // Words already taken from the current line.
    [[nodiscard]] int ItemsTaken() const { return m_item; }
    // Lines after the current one.
    [[nodiscard]] int RemainingLines() const { return std::max(LineCount() - m_line - 1, 0); }

    // Raises EInOutError naming the line and item of the word taken last, followed by a
    // carriage return and `expected`.
    [[noreturn]] void FailLastWord(const QString& expected) const;

    [[nodiscard]] static QStringList SplitWords(const QString& line);

  private:
    std::vector<TWordContainer> m_lines;
    int m_line = 0;
    int m_item = 0;
};

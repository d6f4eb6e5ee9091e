#include "app/project/wordreader.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "app/project/inouterror.h"
#include "app/project/textfile.h"

namespace {

bool isBlankOrControl(QChar c) { return c.unicode() <= ' '; }

QString trimmedLeft(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && isBlankOrControl(text[start])) ++start;
    return text.mid(start);
}

QString trimmed(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && isBlankOrControl(text[end - 1])) --end;
    return trimmedLeft(text.left(end));
}

// Converts a whole word with "." as the decimal separator, independent of the user's locale.
std::optional<double> parseNumber(const QString& word) {
    QByteArray text = word.toLatin1();
    if (text.startsWith('+') && text.size() > 1 && text[1] != '-') text.remove(0, 1);
    double value = 0.0;
    const char* end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

TWordReader::TWordReader(const QByteArray& content) {
    for (QString& text : textLines(content)) {
        QStringList words = SplitWords(text);
        m_lines.push_back({std::move(text), std::move(words)});
    }
}

TWordReader TWordReader::FromFile(const QString& fileName) {
    return TWordReader(readTextFile(fileName));
}

QStringList TWordReader::SplitWords(const QString& line) {
    QStringList words;
    QString rest = trimmed(line);
    while (!rest.isEmpty()) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        const qsizetype tab = rest.indexOf(QLatin1Char('\t'));
        qsizetype separator = blank < 0 ? tab : (tab < 0 ? blank : std::min(blank, tab));
        if (separator < 0) separator = rest.size();
        words.append(rest.left(separator));
        rest = trimmedLeft(rest.mid(separator + 1));
    }
    return words;
}

QString TWordReader::NextWord() {
    // A used-up line, and any blank line after it, gives way to the next line with words.
    while (m_line < LineCount() && m_item == m_lines[m_line].words.size()) {
        ++m_line;
        m_item = 0;
    }
    if (m_line == LineCount()) {
        throw EInOutError(QStringLiteral("This file either invalid or incomplete."));
    }
    return m_lines[m_line].words[m_item++];
}

void TWordReader::FailLastWord(const QString& expected) const {
    throw EInOutError(
        QStringLiteral("Error on Line %1 Item %2\r%3").arg(m_line + 1).arg(m_item).arg(expected));
}

double TWordReader::ReadFloat() {
    const std::optional<double> value = parseNumber(NextWord());
    if (!value) FailLastWord(QStringLiteral("A floating point number was expected but not found."));
    return *value;
}

qint32 TWordReader::ReadInteger() {
    const std::optional<double> value = parseNumber(NextWord());
    if (!value || *value != std::trunc(*value) || *value < -2147483648.0 || *value > 2147483647.0) {
        FailLastWord(QStringLiteral("An integer was expected but not found."));
    }
    return static_cast<qint32>(*value);
}

QString TWordReader::ReadLine() {
    if (m_line == LineCount()) {
        throw EInOutError(QStringLiteral("This file either invalid or incomplete."));
    }
    m_item = 0;
    return m_lines[m_line++].text;
}

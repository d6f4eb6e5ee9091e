#include "app/tables/chartreader.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>

#include "app/tables/gridtable.h"
#include "app/tables/numberformat.h"
#include "app/tables/tableerror.h"

namespace {

// Enough digits that a number read from text survives the text entry.
constexpr int kStoredDigits = 15;

bool toNumber(const QString& token, const QLocale& locale, double& number) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    number = strict.toDouble(token, &ok);
    return ok && std::isfinite(number);
}

bool isSeparator(QChar c) { return c == u' ' || c == u'\t' || c == u',' || c == u'\r'; }

}  // namespace

QList<double> TChartReader::splitNumbers(const QString& line, const QLocale& locale) {
    QList<double> numbers;
    qsizetype pos = 0;
    while (numbers.size() < kMaxNumbersPerLine) {
        while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t')) ++pos;
        qsizetype end = pos;
        while (end < line.size() && !isSeparator(line[end])) ++end;
        double number = 0;
        const bool converted = toNumber(line.mid(pos, end - pos), locale, number);
        if (converted) numbers.append(number);
        if (!converted || end >= line.size())
            break;  // the rest of a line without separator ends it too
        pos = end + 1;
    }
    return numbers;
}

QStringList TChartReader::linesOfFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ETableError(
            QStringLiteral("Cannot open the file %1: %2").arg(path, file.errorString()));
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ETableError(
            QStringLiteral("Error reading the file %1: %2").arg(path, file.errorString()));
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return QString::fromUtf8(content).split(lineEnd);
}

QStringList TChartReader::linesOfClipboardText(const QString& text) {
    QStringList lines;
    QString rest = text;
    for (qsizetype cr = rest.indexOf(u'\r'); cr >= 0 && cr < rest.size() - 1;
         cr = rest.indexOf(u'\r')) {
        lines.append(rest.left(cr));
        rest = rest.mid(rest[cr + 1] == u'\n' ? cr + 2 : cr + 1);
    }
    return lines;
}

int TChartReader::fill(TGridTable& table, const QStringList& lines, const QLocale& locale) {
    const int dataColumns = table.visibleColumnCount();
    const int startingRows = table.rowCount();
    int filled = 0;
    for (const QString& line : lines) {
        if (table.maxRows() > 0 && filled >= table.maxRows()) break;
        const QList<double> numbers = splitNumbers(line, locale);
        if (numbers.size() != dataColumns) continue;
        if (filled >= startingRows) table.addRowGroup();
        for (int c = 0; c < dataColumns; ++c) {
            TColumn& column = table.visibleColumn(c);
            column.setFromText(
                filled, TNumberFormat::general(numbers[c], kStoredDigits, locale.decimalPoint()),
                locale);
        }
        ++filled;
    }
    if (filled > 0)
        while (table.rowCount() > filled) table.deleteRowGroup(filled);
    return filled;
}

#include "app/export/columnname.h"

namespace {

constexpr int kLetters = 26;

QChar letter(int number) { return QChar(u'A' + number - 1); }  // 1 is "A"

}  // namespace

QString ColumnName(int column) {
    if (column < 1 || column > kLastNamedColumn) return {};
    if (column <= kLetters) return letter(column);
    return QString(letter((column - 1) / kLetters)) + letter((column - 1) % kLetters + 1);
}

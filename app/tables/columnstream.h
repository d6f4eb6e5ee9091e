#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

#include "app/tables/columndefinition.h"

// A sequence of typed values, as the form description stores a table's
// column definitions: per column its class code, the common fields (title
// lines, visible, group-shared) and the fields of its class. Reading a value
// of another type, or past the end, raises ETableError.
class TColumnStream {
  public:
    using Value = std::variant<int, bool, double, QString, QStringList, QList<int>>;

    void write(Value value) { m_values.push_back(std::move(value)); }
    [[nodiscard]] int readInteger() { return read<int>(); }
    [[nodiscard]] bool readBoolean() { return read<bool>(); }
    [[nodiscard]] double readReal() { return read<double>(); }
    [[nodiscard]] QString readString() { return read<QString>(); }
    [[nodiscard]] QStringList readStrings() { return read<QStringList>(); }
    [[nodiscard]] QList<int> readIntegers() { return read<QList<int>>(); }
    [[nodiscard]] bool atEnd() const { return m_next >= m_values.size(); }

    // Writes the class code and the fields of a column (current forms:
    // "FLOATCOLUMN2" and "FLEXCOLUMN2" markers).
    void writeColumn(const TColumnDefinition& definition);
    // Reads the fields that follow a class code. A sub-table column in the
    // legacy form (one integer instead of the marker and the list) leaves its
    // templates empty and returns that integer in `legacyTemplate`; a float
    // column without the marker takes the string as its unit and default 0.
    [[nodiscard]] TColumnDefinition readColumnFields(TColumnClass classCode,
                                                     std::optional<int>& legacyTemplate);

  private:
    template <class T>
    T read();

    std::vector<Value> m_values;
    std::size_t m_next = 0;
};

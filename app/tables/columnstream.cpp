#include "app/tables/columnstream.h"

#include "app/tables/tableerror.h"

namespace {
const QString kFloatMarker = QStringLiteral("FLOATCOLUMN2");
const QString kTableMarker = QStringLiteral("FLEXCOLUMN2");
}  // namespace

template <class T>
T TColumnStream::read() {
    if (atEnd()) throw ETableError(QStringLiteral("Stream read error"));
    const T* value = std::get_if<T>(&m_values[m_next]);
    if (!value) throw ETableError(QStringLiteral("Invalid property value"));
    ++m_next;
    return *value;
}

void TColumnStream::writeColumn(const TColumnDefinition& d) {
    write(static_cast<int>(d.classCode));
    write(d.titleLines);
    write(d.visible);
    write(d.groupShared);
    switch (d.classCode) {
        case TColumnClass::Enum:
            write(d.choices);
            break;
        case TColumnClass::Int:
            write(d.intDefault);
            write(d.intMinimum);
            write(d.intMaximum);
            break;
        case TColumnClass::Float:
            write(d.topDepth);
            write(kFloatMarker);
            write(d.unitString);
            write(d.floatDefault);
            break;
        case TColumnClass::Table:
            write(kTableMarker);
            write(d.templates);
            break;
        case TColumnClass::String:
            write(d.stringDefault);
            write(d.minimumWidthInches);
            break;
    }
}

TColumnDefinition TColumnStream::readColumnFields(TColumnClass classCode,
                                                  std::optional<int>& legacyTemplate) {
    TColumnDefinition d;
    d.classCode = classCode;
    d.titleLines = readStrings();
    d.visible = readBoolean();
    d.groupShared = readBoolean();
    switch (classCode) {
        case TColumnClass::Enum:
            d.choices = readStrings();
            break;
        case TColumnClass::Int:
            d.intDefault = readInteger();
            d.intMinimum = readInteger();
            d.intMaximum = readInteger();
            break;
        case TColumnClass::Float:
            d.topDepth = readBoolean();
            d.unitString = readString();
            if (d.unitString == kFloatMarker) {
                d.unitString = readString();
                d.floatDefault = readReal();
            }
            break;
        case TColumnClass::Table:
            if (!atEnd() && std::holds_alternative<int>(m_values[m_next])) {
                legacyTemplate = readInteger();
            } else {
                if (readString() != kTableMarker)
                    throw ETableError(QStringLiteral("Invalid property value"));
                d.templates = readIntegers();
            }
            break;
        case TColumnClass::String:
            d.stringDefault = readString();
            d.minimumWidthInches = readReal();
            break;
    }
    return d;
}

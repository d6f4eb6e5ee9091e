#include "app/tables/columndefinition.h"

#include <utility>

TColumnDefinition TColumnDefinition::choice(QStringList titleLines, QStringList choices) {
    TColumnDefinition d;
    d.classCode = TColumnClass::Enum;
    d.titleLines = std::move(titleLines);
    d.choices = std::move(choices);
    return d;
}

TColumnDefinition TColumnDefinition::integer(QStringList titleLines, int defaultValue, int minimum,
                                             int maximum) {
    TColumnDefinition d;
    d.classCode = TColumnClass::Int;
    d.titleLines = std::move(titleLines);
    d.intDefault = defaultValue;
    d.intMinimum = minimum;
    d.intMaximum = maximum;
    return d;
}

TColumnDefinition TColumnDefinition::real(QStringList titleLines, QString unitString,
                                          double defaultValue) {
    TColumnDefinition d;
    d.classCode = TColumnClass::Float;
    d.titleLines = std::move(titleLines);
    d.unitString = std::move(unitString);
    d.floatDefault = defaultValue;
    return d;
}

TColumnDefinition TColumnDefinition::table(QStringList titleLines, QList<int> templates) {
    TColumnDefinition d;
    d.classCode = TColumnClass::Table;
    d.titleLines = std::move(titleLines);
    d.templates = std::move(templates);
    return d;
}

TColumnDefinition TColumnDefinition::text(QStringList titleLines, QString defaultText,
                                          double minimumWidthInches) {
    TColumnDefinition d;
    d.classCode = TColumnClass::String;
    d.titleLines = std::move(titleLines);
    d.stringDefault = std::move(defaultText);
    d.minimumWidthInches = minimumWidthInches;
    return d;
}

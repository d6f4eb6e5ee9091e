#include "app/project/recordline.h"

#include "app/project/filenumber.h"

TFileValue::TFileValue(qint32 value) : text(QByteArray::number(value)) {}

TFileValue::TFileValue(double value) : text(fileNumberText(value)) {}

TRecordLine TRecordLine::tabbed(std::initializer_list<TFileValue> values) {
    auto value = values.begin();
    TRecordLine line(*value);
    while (++value != values.end()) line.tab(*value);
    return line;
}

TRecordLine& TRecordLine::append(char separator, const TFileValue& value) {
    m_text += separator;
    m_text += value.text;
    return *this;
}

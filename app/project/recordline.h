#pragma once

#include <QByteArray>
#include <initializer_list>

// One value of a project data file record: integers in plain decimal, reals in the file number
// format.
struct TFileValue {
    TFileValue(qint32 value);
    TFileValue(double value);
    QByteArray text;
};

// One record line of a project data file, built value by value; every position fixes its
// separator (one blank or one tab) as the engine's reader and older tools expect them.
class TRecordLine {
  public:
    explicit TRecordLine(const TFileValue& first) : m_text(first.text) {}

    // A record whose values are all separated by tabs.
    [[nodiscard]] static TRecordLine tabbed(std::initializer_list<TFileValue> values);

    TRecordLine& sp(const TFileValue& value) { return append(' ', value); }
    TRecordLine& tab(const TFileValue& value) { return append('\t', value); }

    [[nodiscard]] const QByteArray& text() const { return m_text; }

  private:
    TRecordLine& append(char separator, const TFileValue& value);

    QByteArray m_text;
};

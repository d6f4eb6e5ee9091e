// TDataEdit: the numeric field of the input windows. An edit box with an
// attached label that shows the caption and the unit label, limits, an
// integer-only mode and the numeric-entry evaluator: the text may be an
// arithmetic expression, checked when the field is left or Enter is pressed; its
// messages name the field.
#pragma once

#include <QLineEdit>
#include <functional>
#include <limits>

class QLabel;
class TUserPrompts;

class TDataEdit : public QLineEdit {
    Q_OBJECT

  public:
    // Where the field's messages go.
    using TMessage = std::function<void(const QString&)>;

    // Messages in an information box of the prompts.
    TDataEdit(const QString& caption, TUserPrompts& prompts, QWidget* parent = nullptr);
    TDataEdit(const QString& caption, TMessage message, QWidget* parent = nullptr);

    // The label: the caption, and with a unit string a blank and the unit
    // label in parentheses ("&Free Height of Wall, H (ft)").
    [[nodiscard]] QLabel* editLabel() const { return m_label; }
    [[nodiscard]] const QString& caption() const { return m_caption; }

    // A unit string of force and length tokens ("L2", "F/L2^2", "deg."); its
    // label follows the unit system (1 English, 2 SI, 3 generic: shown as written).
    void setUnitsString(const QString& unitsString);
    void setUnits(int unitSystem);
    [[nodiscard]] QString unitLabel() const;

    void setLimits(double minimum, double maximum);
    void setMinVal(double minimum) { setLimits(minimum, m_max); }
    void setMaxVal(double maximum) { setLimits(m_min, maximum); }
    [[nodiscard]] double minVal() const { return m_min; }
    [[nodiscard]] double maxVal() const { return m_max; }
    void setIntegerOnly(bool on) { m_integerOnly = on; }
    [[nodiscard]] bool integerOnly() const { return m_integerOnly; }

    // The last valid value. Setting a value clamps it to the limits and shows it.
    [[nodiscard]] double value() const { return m_value; }
    void setValue(double value);

    // Evaluates the text. A text that cannot be evaluated, or a non-integer
    // in an integer-only field, shows its message and keeps the text; a value
    // outside the limits is replaced by the nearest limit with its message.
    // Returns false when a message was shown.
    bool validate();

  protected:
    // Leaving the field checks an edited entry as Enter does.
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void updateLabel();
    void showNumber(double value);
    bool refuse(const QString& message);

    QLabel* m_label;
    TMessage m_message;
    QString m_caption;
    QString m_unitsString;
    int m_units = 1;
    double m_min = -std::numeric_limits<double>::infinity();
    double m_max = std::numeric_limits<double>::infinity();
    bool m_integerOnly = false;
    double m_value = 0;
    bool m_validating = false;
};

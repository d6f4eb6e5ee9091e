#include "app/widgets/dataedit.h"

#include <QFocusEvent>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "app/tables/evaluator.h"
#include "app/tables/numberformat.h"
#include "app/tables/tableerror.h"
#include "app/tables/unitstring.h"
#include "app/widgets/userprompts.h"

namespace {

constexpr double kWholeTolerance = 1E-10;

QString limitText(double limit) {
    return TNumberFormat::general(limit, TNumberFormat::kFileDigits);
}

}  // namespace

TDataEdit::TDataEdit(const QString& caption, TUserPrompts& prompts, QWidget* parent)
    : TDataEdit(
          caption, [this, &prompts](const QString& text) { prompts.information(this, text); },
          parent) {}

TDataEdit::TDataEdit(const QString& caption, TMessage message, QWidget* parent)
    : QLineEdit(parent),
      m_label(new QLabel(parent)),
      m_message(std::move(message)),
      m_caption(caption) {
    m_label->setBuddy(this);
    updateLabel();
    showNumber(m_value);
    connect(this, &QLineEdit::returnPressed, this, &TDataEdit::validate);
}

void TDataEdit::setUnitsString(const QString& unitsString) {
    m_unitsString = unitsString;
    updateLabel();
}

void TDataEdit::setUnits(int unitSystem) {
    m_units = unitSystem;
    updateLabel();
}

QString TDataEdit::unitLabel() const {
    if (m_units == kGenericUnits) return m_unitsString;
    return TUnitString::label(m_unitsString, m_units);
}

void TDataEdit::updateLabel() {
    m_label->setText(m_unitsString.isEmpty()
                         ? m_caption
                         : m_caption + QStringLiteral(" (") + unitLabel() + u')');
}

void TDataEdit::setLimits(double minimum, double maximum) {
    m_min = minimum;
    m_max = maximum;
}

void TDataEdit::setValue(double value) {
    m_value = std::clamp(value, m_min, m_max);
    if (m_integerOnly) m_value = std::round(m_value);
    showNumber(m_value);
}

void TDataEdit::showNumber(double value) {
    setText(TNumberFormat::general(value, TNumberFormat::kFileDigits, locale().decimalPoint()));
}

// The message names the field: a window holds several, and focus may already have moved on.
bool TDataEdit::refuse(const QString& message) {
    m_validating = true;
    const QString field = QString(m_caption).remove(u'&').trimmed();
    m_message(field.isEmpty() ? message : field + QStringLiteral(": ") + message);
    m_validating = false;
    return false;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (a menu, the field's own context menu) is no leaving; an edited text is checked.
    if (event->reason() != Qt::PopupFocusReason && isModified()) validate();
}

bool TDataEdit::validate() {
    if (m_validating) return true;
    double entry = 0;
    try {
        entry = TEvaluator(locale()).evaluate(text());
    } catch (const ETableError& e) {
        return refuse(m_integerOnly ? QStringLiteral("Entry must be a valid integer.")
                                    : e.message());
    }
    if (m_integerOnly && std::fabs(entry - std::round(entry)) > kWholeTolerance)
        return refuse(QStringLiteral("Entry must be an integer."));
    if (entry < m_min) {
        setValue(m_min);
        return refuse(QStringLiteral("Entry must be greater than or equal to ") + limitText(m_min));
    }
    if (entry > m_max) {
        setValue(m_max);
        return refuse(QStringLiteral("Entry must be less than or equal to ") + limitText(m_max));
    }
    setValue(entry);
    return true;
}

#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Errors of the data tables and of the numeric-entry evaluator. Every one
// carries a message written for the user; a window catches the error, shows
// message() in an information box and keeps the state it had before.
class ETableError : public std::exception {
  public:
    explicit ETableError(const QString& message) : m_message(message), m_utf8(message.toUtf8()) {}
    [[nodiscard]] const QString& message() const { return m_message; }
    [[nodiscard]] const char* what() const noexcept override { return m_utf8.constData(); }

  private:
    QString m_message;
    QByteArray m_utf8;
};

// A typed entry that cannot be stored: evaluation and validation failures.
// The stored value is unchanged.
class EAssignError : public ETableError {
  public:
    using ETableError::ETableError;
};

// A kind of value asked of a column that does not hold it.
class EInvalidCast : public ETableError {
  public:
    EInvalidCast() : ETableError(QStringLiteral("Data of wrong type")) {}
};

// An arithmetic fault while evaluating an entry: division by zero, an
// invalid operation (square root or logarithm of a negative number) or an
// overflow. Shown to the user like the evaluator's own messages.
class EMathError : public ETableError {
  public:
    using ETableError::ETableError;
};

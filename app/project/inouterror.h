#pragma once

#include <QString>
#include <stdexcept>

// The input/output error of project and plot-data files: a missing or unreadable file, a word
// that is not the number expected, the end of the data, or a file that cannot be written. The
// message is meant for the user as it stands.
class EInOutError : public std::runtime_error {
  public:
    explicit EInOutError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    [[nodiscard]] const QString& message() const { return m_message; }

  private:
    QString m_message;
};

#pragma once

#include <QString>
#include <stdexcept>

// A workbook that could not be written: the folder cannot take the file, the disk is full, the
// graph does not fit a worksheet. The message is meant for the user as it stands.
class EExportError : public std::runtime_error {
  public:
    explicit EExportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    [[nodiscard]] const QString& message() const { return m_message; }

  private:
    QString m_message;
};

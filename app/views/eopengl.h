#pragma once

#include <QString>
#include <stdexcept>
#include <string>

// An OpenGL failure of the drawing control, carrying only its message.
class EOpenGL : public std::runtime_error {
  public:
    explicit EOpenGL(const QString& message) : std::runtime_error(message.toStdString()) {}
    [[nodiscard]] QString message() const { return QString::fromStdString(what()); }
};

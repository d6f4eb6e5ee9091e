#pragma once

#include <QString>
#include <functional>

class QWidget;

// Where a dialog's messages go: a message box by default, a recorder in tests.
using TMessageSink = std::function<void(const QString&)>;

// An information box with an OK button.
[[nodiscard]] TMessageSink InformationBox(QWidget* parent);
// A plain message box: no icon, an OK button.
[[nodiscard]] TMessageSink PlainMessageBox(QWidget* parent);

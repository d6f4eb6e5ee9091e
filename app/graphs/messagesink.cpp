#include "app/graphs/messagesink.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TMessageSink box(QWidget* parent, QMessageBox::Icon icon) {
    return [parent, icon](const QString& message) {
        QMessageBox box(icon, QApplication::applicationName(), message, QMessageBox::Ok, parent);
        box.exec();
    };
}

}  // namespace

TMessageSink InformationBox(QWidget* parent) { return box(parent, QMessageBox::Information); }

TMessageSink PlainMessageBox(QWidget* parent) { return box(parent, QMessageBox::NoIcon); }

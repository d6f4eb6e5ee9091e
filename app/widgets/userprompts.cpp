#include "app/widgets/userprompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& detail) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    if (!detail.isEmpty()) box.setDetailedText(detail);
    box.exec();
}

}  // namespace

void TDialogPrompts::information(QWidget* parent, const QString& text, const QString& detail) {
    showBox(parent, QMessageBox::Information, text, detail);
}

bool TDialogPrompts::informationOffering(QWidget* parent, const QString& text,
                                         const QString& offer) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    QPushButton* offered = box.addButton(offer, QMessageBox::ActionRole);
    box.exec();
    return box.clickedButton() == static_cast<QAbstractButton*>(offered);
}

void TDialogPrompts::warning(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Warning, text, {});
}

void TDialogPrompts::about(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

TUserPrompts::TAnswer TDialogPrompts::askYesNoCancel(QWidget* parent, const QString& text) {
    switch (QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return TAnswer::Yes;
        case QMessageBox::No:
            return TAnswer::No;
        default:
            return TAnswer::Cancel;
    }
}

bool TDialogPrompts::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString TDialogPrompts::openFileName(QWidget* parent, const QString& title, const QString& filters,
                                     int& filterIndex) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    filterIndex = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().constFirst();
}

QString TDialogPrompts::saveFileName(QWidget* parent, const QString& title,
                                     const QString& proposedName, const QString& filters,
                                     const QString& defaultSuffix) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool TDialogPrompts::openDocument(const QString& fileName) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

#include "framework/dialoginteraction.h"

#include "framework/reportpreview.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget* parentWindow() {
    return QApplication::activeWindow();
}

QString title() {
    return QApplication::applicationName();
}

} // namespace

void DialogInteraction::inform(const QString& text) {
    QMessageBox::information(parentWindow(), title(), text);
}

void DialogInteraction::reportError(const QString& text) {
    QMessageBox::critical(parentWindow(), title(), text);
}

bool DialogInteraction::askYesNo(const QString& question) {
    return QMessageBox::question(parentWindow(), title(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool DialogInteraction::askOkCancel(const QString& question) {
    return QMessageBox::warning(parentWindow(), title(), question,
                                QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

QString DialogInteraction::chooseFileToSave(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), request.caption, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The program asks about existing files itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogInteraction::chooseFileToOpen(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), request.caption, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void DialogInteraction::showReport(const ReportDocument& document) {
    ReportPreview preview(document, *this, parentWindow());
    preview.exec();
}

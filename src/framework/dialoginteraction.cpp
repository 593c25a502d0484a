#include "framework/dialoginteraction.h"

#include "framework/reportpreview.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

// Work shorter than this shows no progress window at all.
constexpr int progressDelayMs = 300;

QWidget* parentWindow() {
    // The window the user works in, even in the moment after a progress window went.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString title() {
    return QApplication::applicationName();
}

} // namespace

DialogInteraction::DialogInteraction() = default;

DialogInteraction::~DialogInteraction() = default;

void DialogInteraction::showMessage(const QString& text) {
    QMessageBox::information(parentWindow(), title(), text);
}

void DialogInteraction::showError(const QString& text) {
    QMessageBox::critical(parentWindow(), title(), text);
}

bool DialogInteraction::showYesNoQuestion(const QString& question) {
    return QMessageBox::question(parentWindow(), title(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool DialogInteraction::showOkCancelQuestion(const QString& question) {
    return QMessageBox::warning(parentWindow(), title(), question,
                                QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

QString DialogInteraction::showSaveDialog(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), request.caption, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The program asks about existing files itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogInteraction::showOpenDialog(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), request.caption, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogInteraction::showFolderDialog(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), request.caption, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void DialogInteraction::showPreview(const ReportDocument& document) {
    ReportPreview preview(document, *this, parentWindow());
    preview.exec();
}

void DialogInteraction::showProgress(const Progress& progress) {
    if (!m_progressDialog) {
        // The work cannot be broken off half way, so there is no cancel button.
        m_progressDialog =
            std::make_unique<QProgressDialog>(progress.text, QString(), 0, 100, parentWindow());
        m_progressDialog->setWindowModality(Qt::ApplicationModal);
        m_progressDialog->setMinimumDuration(progressDelayMs);
        m_progressDialog->setAutoClose(false);
        m_progressDialog->setAutoReset(false);
    }
    m_progressDialog->setWindowTitle(progress.title);
    m_progressDialog->setLabelText(progress.text);
    // Shows the window once the work has taken longer than the delay.
    m_progressDialog->setValue(progress.percent);
}

void DialogInteraction::hideProgress() {
    // Gone, not just hidden: a progress window that is merely reset may still pop up over the
    // message that follows once its delay has passed.
    m_progressDialog.reset();
}

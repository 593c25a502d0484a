#pragma once

#include "data/interaction.h"

#include <memory>

class QProgressDialog;
class QWidget;

// Messages, questions, file dialogs and progress as Qt's modal dialogs over the active window.
class DialogInteraction : public Interaction {
public:
    DialogInteraction();
    ~DialogInteraction() override;

protected:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool showYesNoQuestion(const QString& question) override;
    bool showOkCancelQuestion(const QString& question) override;
    QString showSaveDialog(const FileDialogRequest& request) override;
    QString showOpenDialog(const FileDialogRequest& request) override;
    QString showFolderDialog(const FileDialogRequest& request) override;
    void showPreview(const ReportDocument& document) override;
    void showProgress(const Progress& progress) override;
    void hideProgress() override;

private:
    std::unique_ptr<QProgressDialog> m_progressDialog;
};

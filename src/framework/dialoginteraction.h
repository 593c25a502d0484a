#pragma once

#include "data/interaction.h"

// Messages, questions and file dialogs as Qt's modal dialogs over the active window.
class DialogInteraction : public Interaction {
public:
    void inform(const QString& text) override;
    void reportError(const QString& text) override;
    bool askYesNo(const QString& question) override;
    bool askOkCancel(const QString& question) override;
    QString chooseFileToSave(const FileDialogRequest& request) override;
    QString chooseFileToOpen(const FileDialogRequest& request) override;
    void showReport(const ReportDocument& document) override;
};

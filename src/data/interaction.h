#pragma once

#include <QString>

struct ReportDocument;

// Where a file dialog starts and what it offers.
struct FileDialogRequest {
    QString caption;
    QString folder;
    QString filter;        // "MS-Access-Datenbanken (*.mdb)"
    QString defaultSuffix; // "mdb"
};

// Every message, question and file dialog the program shows goes through here, so that whole
// commands can run with scripted answers and no window.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A message with one OK button.
    virtual void inform(const QString& text) = 0;
    // A failure, shown in the error box.
    virtual void reportError(const QString& text) = 0;
    virtual bool askYesNo(const QString& question) = 0;
    virtual bool askOkCancel(const QString& question) = 0;
    // The chosen file, empty when the user cancelled.
    virtual QString chooseFileToSave(const FileDialogRequest& request) = 0;
    virtual QString chooseFileToOpen(const FileDialogRequest& request) = 0;
    // Shows a report in the print preview, from which the user prints or saves a PDF; returns
    // when the preview is closed.
    virtual void showReport(const ReportDocument& document) = 0;
};

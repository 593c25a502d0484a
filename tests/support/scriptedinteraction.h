#pragma once

#include "data/interaction.h"
#include "framework/reportdocument.h"

#include <functional>

#include <QList>
#include <QStringList>

// Answers questions from a script and records everything the program said.
class ScriptedInteraction : public Interaction {
public:
    QStringList messages;  // inform()
    QStringList errors;    // reportError()
    QStringList questions; // askYesNo() and askOkCancel()
    QList<bool> answers;   // given in order; an unscripted question is answered no
    QStringList files;     // chosen in order; none left means cancelled
    QList<FileDialogRequest> fileRequests;
    QList<ReportDocument> reports; // every report shown in the preview
    // Runs while a report's preview is open, as a user looking at it would.
    std::function<void(const ReportDocument&)> whilePreviewOpen;

    void inform(const QString& text) override;
    void reportError(const QString& text) override;
    bool askYesNo(const QString& question) override;
    bool askOkCancel(const QString& question) override;
    QString chooseFileToSave(const FileDialogRequest& request) override;
    QString chooseFileToOpen(const FileDialogRequest& request) override;
    void showReport(const ReportDocument& document) override;

    // Everything shown to the user, in order.
    QStringList said() const { return m_said; }
    void clear();

private:
    bool nextAnswer();
    QString nextFile(const FileDialogRequest& request);

    QStringList m_said;
};

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
    QStringList files;     // files and folders chosen in order; none left means cancelled
    QList<FileDialogRequest> fileRequests;
    QList<ReportDocument> reports; // every report shown in the preview
    QList<int> progress;           // every percentage a progress window showed
    // Runs while a report's preview is open, as a user looking at it would.
    std::function<void(const ReportDocument&)> whilePreviewOpen;

    // Everything shown to the user, in order.
    QStringList said() const { return m_said; }
    // What the user saw come and go, in order: what said() holds, file dialogs as "[Datei]",
    // previews as "[Vorschau]", and each progress window as "[Fortschritt: title]" when it
    // opens and "[Fortschritt zu]" when it closes.
    QStringList events() const { return m_events; }
    void clear();

protected:
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool showYesNoQuestion(const QString& question) override;
    bool showOkCancelQuestion(const QString& question) override;
    QString showSaveDialog(const FileDialogRequest& request) override;
    QString showOpenDialog(const FileDialogRequest& request) override;
    QString showFolderDialog(const FileDialogRequest& request) override;
    void showPreview(const ReportDocument& document) override;
    void showProgress(const Progress& state) override;
    void hideProgress() override;

private:
    void say(const QString& text);
    bool nextAnswer();
    QString nextFile(const FileDialogRequest& request);

    QStringList m_said;
    QStringList m_events;
    bool m_progressOpen = false;
};

#pragma once

#include "framework/interaction.h"

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

    void inform(const QString& text) override;
    void reportError(const QString& text) override;
    bool askYesNo(const QString& question) override;
    bool askOkCancel(const QString& question) override;
    QString chooseFileToSave(const FileDialogRequest& request) override;
    QString chooseFileToOpen(const FileDialogRequest& request) override;

    // Everything shown to the user, in order.
    QStringList said() const { return m_said; }
    void clear();

private:
    bool nextAnswer();
    QString nextFile(const FileDialogRequest& request);

    QStringList m_said;
};

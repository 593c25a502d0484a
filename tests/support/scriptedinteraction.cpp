#include "support/scriptedinteraction.h"

void ScriptedInteraction::inform(const QString& text) {
    messages << text;
    m_said << text;
}

void ScriptedInteraction::reportError(const QString& text) {
    errors << text;
    m_said << text;
}

bool ScriptedInteraction::askYesNo(const QString& question) {
    questions << question;
    m_said << question;
    return nextAnswer();
}

bool ScriptedInteraction::askOkCancel(const QString& question) {
    return askYesNo(question);
}

QString ScriptedInteraction::chooseFileToSave(const FileDialogRequest& request) {
    return nextFile(request);
}

QString ScriptedInteraction::chooseFileToOpen(const FileDialogRequest& request) {
    return nextFile(request);
}

void ScriptedInteraction::clear() {
    messages.clear();
    errors.clear();
    questions.clear();
    m_said.clear();
}

bool ScriptedInteraction::nextAnswer() {
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedInteraction::nextFile(const FileDialogRequest& request) {
    fileRequests << request;
    return files.isEmpty() ? QString() : files.takeFirst();
}

void ScriptedInteraction::showReport(const ReportDocument& document) {
    reports << document;
    if (whilePreviewOpen)
        whilePreviewOpen(document);
}

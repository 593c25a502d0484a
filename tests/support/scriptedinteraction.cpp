#include "support/scriptedinteraction.h"

void ScriptedInteraction::showMessage(const QString& text) {
    messages << text;
    say(text);
}

void ScriptedInteraction::showError(const QString& text) {
    errors << text;
    say(text);
}

bool ScriptedInteraction::showYesNoQuestion(const QString& question) {
    questions << question;
    say(question);
    return nextAnswer();
}

bool ScriptedInteraction::showOkCancelQuestion(const QString& question) {
    return showYesNoQuestion(question);
}

QString ScriptedInteraction::showSaveDialog(const FileDialogRequest& request) {
    return nextFile(request);
}

QString ScriptedInteraction::showOpenDialog(const FileDialogRequest& request) {
    return nextFile(request);
}

QString ScriptedInteraction::showFolderDialog(const FileDialogRequest& request) {
    return nextFile(request);
}

void ScriptedInteraction::showPreview(const ReportDocument& document) {
    reports << document;
    m_events << QStringLiteral("[Vorschau]");
    if (whilePreviewOpen)
        whilePreviewOpen(document);
}

void ScriptedInteraction::showProgress(const Progress& state) {
    if (!m_progressOpen)
        m_events << QStringLiteral("[Fortschritt: %1]").arg(state.title);
    m_progressOpen = true;
    progress << state.percent;
}

void ScriptedInteraction::hideProgress() {
    m_progressOpen = false;
    m_events << QStringLiteral("[Fortschritt zu]");
}

void ScriptedInteraction::clear() {
    messages.clear();
    errors.clear();
    questions.clear();
    progress.clear();
    m_said.clear();
    m_events.clear();
}

void ScriptedInteraction::say(const QString& text) {
    m_said << text;
    m_events << text;
}

bool ScriptedInteraction::nextAnswer() {
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedInteraction::nextFile(const FileDialogRequest& request) {
    fileRequests << request;
    m_events << QStringLiteral("[Datei]");
    return files.isEmpty() ? QString() : files.takeFirst();
}

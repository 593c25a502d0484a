#include "data/interaction.h"

#include <algorithm>

Interaction::~Interaction() = default;

void Interaction::inform(const QString& text) {
    closeProgress();
    showMessage(text);
}

void Interaction::reportError(const QString& text) {
    closeProgress();
    showError(text);
}

bool Interaction::askYesNo(const QString& question) {
    closeProgress();
    return showYesNoQuestion(question);
}

bool Interaction::askOkCancel(const QString& question) {
    closeProgress();
    return showOkCancelQuestion(question);
}

QString Interaction::chooseFileToSave(const FileDialogRequest& request) {
    closeProgress();
    return showSaveDialog(request);
}

QString Interaction::chooseFileToOpen(const FileDialogRequest& request) {
    closeProgress();
    return showOpenDialog(request);
}

QString Interaction::chooseFolder(const FileDialogRequest& request) {
    closeProgress();
    return showFolderDialog(request);
}

void Interaction::showReport(const ReportDocument& document) {
    closeProgress();
    showPreview(document);
}

void Interaction::closeProgress() {
    if (!m_progressShown)
        return;
    m_progressShown = false;
    hideProgress();
}

ProgressScope::ProgressScope(Interaction& interaction, const QString& title, const QString& text)
    : m_interaction(interaction)
    , m_outer(interaction.m_progress) {
    ++m_interaction.m_progressDepth;
    m_interaction.m_progress = {title, text, 0};
    m_interaction.m_progressShown = true;
    m_interaction.showProgress(m_interaction.m_progress);
}

ProgressScope::~ProgressScope() {
    if (--m_interaction.m_progressDepth > 0) {
        m_interaction.m_progress = m_outer;
        if (m_interaction.m_progressShown)
            m_interaction.showProgress(m_outer);
        return;
    }
    m_interaction.m_progress = {};
    m_interaction.closeProgress();
}

void ProgressScope::setPercent(int percent) {
    m_interaction.m_progress.percent = std::clamp(percent, 0, 100);
    m_interaction.m_progressShown = true;
    m_interaction.showProgress(m_interaction.m_progress);
}

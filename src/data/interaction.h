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

// Long work as its progress window shows it.
struct Progress {
    QString title; // "Jahresabrechnung"
    QString text;  // "Die Jahresabrechnung wird berechnet …"
    int percent = 0;
};

// Every message, question, file dialog, report preview and progress window the program shows
// goes through here, so that whole commands can run with scripted answers and no window.
//
// An open progress window is closed before anything the user has to read or answer appears:
// a message under a progress window cannot be reached with the mouse or Enter, and the
// program looks hung. Implementations show; this class decides when.
class Interaction {
public:
    virtual ~Interaction();

    // A message with one OK button.
    void inform(const QString& text);
    // A failure, shown in the error box.
    void reportError(const QString& text);
    bool askYesNo(const QString& question);
    bool askOkCancel(const QString& question);
    // The chosen file, empty when the user cancelled.
    QString chooseFileToSave(const FileDialogRequest& request);
    QString chooseFileToOpen(const FileDialogRequest& request);
    // The chosen existing folder, empty when the user cancelled; the request's filter and
    // suffix play no part.
    QString chooseFolder(const FileDialogRequest& request);
    // Shows a report in the print preview, from which the user prints or saves a PDF; returns
    // when the preview is closed.
    void showReport(const ReportDocument& document);

    bool isShowingProgress() const { return m_progressShown; }

protected:
    virtual void showMessage(const QString& text) = 0;
    virtual void showError(const QString& text) = 0;
    virtual bool showYesNoQuestion(const QString& question) = 0;
    virtual bool showOkCancelQuestion(const QString& question) = 0;
    virtual QString showSaveDialog(const FileDialogRequest& request) = 0;
    virtual QString showOpenDialog(const FileDialogRequest& request) = 0;
    // Where no one can choose, the choice is cancelled.
    virtual QString showFolderDialog(const FileDialogRequest&) { return {}; }
    virtual void showPreview(const ReportDocument& document) = 0;
    // Opens the progress window, or brings an open one up to date.
    virtual void showProgress(const Progress& progress) = 0;
    virtual void hideProgress() = 0;

private:
    friend class ProgressScope;

    void closeProgress();

    Progress m_progress;
    int m_progressDepth = 0;
    bool m_progressShown = false;
};

// Shows a progress window for as long as it lives. Every long command opens one, so that
// the user sees the program working and every message it gives is answerable.
//
//     ProgressScope progress(interaction, "Jahresabrechnung", "… wird berechnet …");
//     progress.setPercent(40);
//
// A message, question, file dialog or preview closes the window; the next setPercent shows
// it again while the work goes on. Scopes nest: an inner one takes the window over and hands
// it back with the outer texts.
class ProgressScope {
public:
    ProgressScope(Interaction& interaction, const QString& title, const QString& text);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    // From 0 to 100.
    void setPercent(int percent);

private:
    Interaction& m_interaction;
    Progress m_outer;
};

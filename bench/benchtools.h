#pragma once

#include "data/interaction.h"

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

// What the benchmarks share: the median of a series, a line on standard output, and the
// statements a connection runs, to replay them in the engine's own shell.
double median(QList<double> values);
void say(const QString& line);

// "OK" when a ratio meets its target, in the benchmarks' German.
QString verdict(double ratio, double target);

// Says yes to every question, saves to `saveTarget`, writes errors to the error output and
// shows nothing: the benchmarks are not interested in windows.
class QuietInteraction : public Interaction {
public:
    QString saveTarget;

protected:
    void showMessage(const QString&) override {}
    void showError(const QString& text) override;
    bool showYesNoQuestion(const QString&) override { return true; }
    bool showOkCancelQuestion(const QString&) override { return true; }
    QString showSaveDialog(const FileDialogRequest&) override { return saveTarget; }
    QString showOpenDialog(const FileDialogRequest&) override { return {}; }
    void showPreview(const ReportDocument&) override {}
    void showProgress(const Progress&) override {}
    void hideProgress() override {}
};

// A fresh copy of the original database as `folder`/parzelle.mdb, for a run that changes it.
bool freshCopy(const QString& original, const QString& folder);

// Runs a script in the engine's own shell on a database, output discarded; returns the seconds
// it took, or -1 when the shell is not installed.
double runShellScript(const QString& database, const QString& script);

// Collects every statement `db` runs into `statements` until stopped; the program's own
// savepoints are left out, the shell's script has one BEGIN/COMMIT of its own.
void startTracing(sqlite3* db, QStringList& statements);
void stopTracing(sqlite3* db);

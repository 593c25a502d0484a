#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

// What the benchmarks share: the median of a series, a line on standard output, and the
// statements a connection runs, to replay them in the engine's own shell.
double median(QList<double> values);
void say(const QString& line);

// Runs a script in the engine's own shell on a database, output discarded; returns the seconds
// it took, or -1 when the shell is not installed.
double runShellScript(const QString& database, const QString& script);

// Collects every statement `db` runs into `statements` until stopped; the program's own
// savepoints are left out, the shell's script has one BEGIN/COMMIT of its own.
void startTracing(sqlite3* db, QStringList& statements);
void stopTracing(sqlite3* db);

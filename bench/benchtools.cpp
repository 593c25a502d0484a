#include "benchtools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>

namespace {

int traceStatement(unsigned, void* context, void* statement, void*) {
    auto* statements = static_cast<QStringList*>(context);
    char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    if (sql) {
        const QString text = QString::fromUtf8(sql).trimmed();
        if (!text.startsWith(QStringLiteral("SAVEPOINT"), Qt::CaseInsensitive) &&
            !text.startsWith(QStringLiteral("RELEASE"), Qt::CaseInsensitive) &&
            !text.startsWith(QStringLiteral("ROLLBACK"), Qt::CaseInsensitive))
            *statements << text;
        sqlite3_free(sql);
    }
    return 0;
}

} // namespace

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString verdict(double ratio, double target) {
    return ratio <= target ? QStringLiteral("OK") : QStringLiteral("über dem Ziel");
}

void QuietInteraction::showError(const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

bool freshCopy(const QString& original, const QString& folder) {
    QDir(folder).removeRecursively();
    return QDir().mkpath(folder) && QFile::copy(original, folder + QStringLiteral("/parzelle.mdb"));
}

void say(const QString& line) {
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

double runShellScript(const QString& database, const QString& script) {
    static const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite3.isEmpty())
        return -1;
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(sqlite3, {database, QStringLiteral(".read ") + script});
    shell.waitForFinished(-1);
    return timer.nsecsElapsed() / 1e9;
}

void startTracing(sqlite3* db, QStringList& statements) {
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, traceStatement, &statements);
}

void stopTracing(sqlite3* db) {
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
}

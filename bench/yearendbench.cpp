// Measures the year change (archive included) and the backup on a large association against
// the SQL engine's own shell: ".backup" plus the same statements in one transaction on a copy,
// and ".backup" alone. Run by hand; timings depend on the machine, so it is no test.

#include "benchtools.h"
#include "demodata.h"

#include "data/dm1.h"
#include "data/interaction.h"
#include "yearend/backup.h"
#include "yearend/yearchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstdio>

namespace {

constexpr int plots = 5000;
constexpr int journalEntries = 50000;
constexpr int runs = 5;
constexpr double yearChangeTarget = 1.5;
constexpr double backupTarget = 1.2;

QList<double> measureYearChange(const QString& original, const QString& folder,
                                QStringList& statements) {
    QList<double> seconds;
    for (int i = 0; i <= runs; ++i) {
        if (!freshCopy(original, folder))
            return {};
        QDir::setCurrent(folder);
        QuietInteraction interaction;
        DM1 dm(interaction);
        if (!dm.connectDatabase())
            return {};
        sqlite3* handle = dm.parzelleADOConnection().handle();
        // The first run is the warm-up; it tells the statements the shell is to run.
        if (i == 0)
            startTracing(handle, statements);
        QElapsedTimer timer;
        timer.start();
        const YearChange::Outcome outcome = YearChange(dm, interaction).run();
        const double elapsed = timer.nsecsElapsed() / 1e9;
        stopTracing(handle);
        if (outcome != YearChange::Outcome::Completed)
            return {};
        if (i > 0)
            seconds << elapsed;
    }
    return seconds;
}

QList<double> measureShell(const QString& original, const QString& folder,
                           const QStringList& statements) {
    QList<double> seconds;
    for (int i = 0; i <= runs; ++i) {
        if (!freshCopy(original, folder))
            return {};
        QFile script(folder + QStringLiteral("/script.sql"));
        if (!script.open(QIODevice::WriteOnly))
            return {};
        if (!statements.isEmpty()) {
            script.write(".backup '" + folder.toUtf8() + "/Archiv.mdb'\nBEGIN;\n");
            for (const QString& statement : statements)
                script.write(statement.toUtf8() + ";\n");
            script.write("COMMIT;\n");
        } else {
            script.write(".backup '" + folder.toUtf8() + "/kopie.mdb'\n");
        }
        script.close();
        const double elapsed =
            runShellScript(folder + QStringLiteral("/parzelle.mdb"), script.fileName());
        if (elapsed < 0)
            return {};
        if (i > 0)
            seconds << elapsed;
    }
    return seconds;
}

QList<double> measureBackup(const QString& original, const QString& folder) {
    QList<double> seconds;
    if (!freshCopy(original, folder))
        return seconds;
    QDir::setCurrent(folder);
    QuietInteraction interaction;
    interaction.saveTarget = folder + QStringLiteral("/kopie.mdb");
    DM1 dm(interaction);
    if (!dm.connectDatabase())
        return seconds;
    for (int i = 0; i <= runs; ++i) {
        QFile::remove(interaction.saveTarget);
        QElapsedTimer timer;
        timer.start();
        const Backup::Outcome outcome = Backup(dm, interaction).run(folder);
        if (outcome != Backup::Outcome::Written)
            return {};
        if (i > 0)
            seconds << timer.nsecsElapsed() / 1e9;
    }
    return seconds;
}

QString figures(const QString& what, double lunetra, double shell, double target) {
    const double ratio = lunetra / shell;
    return QStringLiteral("%1\n  Lunetra: %2 s\n  sqlite3: %3 s\n  Verhältnis %4 (Ziel ≤ %5): %6")
        .arg(what)
        .arg(lunetra, 0, 'f', 3)
        .arg(shell, 0, 'f', 3)
        .arg(ratio, 0, 'f', 2)
        .arg(target, 0, 'f', 1)
        .arg(verdict(ratio, target));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString original = temporary.filePath(QStringLiteral("original.mdb"));
    DemoData::Options options;
    options.plots = plots;
    options.journalEntries = journalEntries;
    const QString error = DemoData::write(original, options);
    if (!error.isEmpty()) {
        say(QStringLiteral("Fehler: ") + error);
        return 1;
    }

    QStringList statements;
    const QList<double> yearChange =
        measureYearChange(original, temporary.filePath(QStringLiteral("lunetra")), statements);
    const QList<double> shellYearChange =
        measureShell(original, temporary.filePath(QStringLiteral("shell")), statements);
    const QList<double> backup =
        measureBackup(original, temporary.filePath(QStringLiteral("backup")));
    const QList<double> shellBackup =
        measureShell(original, temporary.filePath(QStringLiteral("shellbackup")), {});
    QDir::setCurrent(temporary.path());
    if (yearChange.isEmpty() || shellYearChange.isEmpty() || backup.isEmpty() ||
        shellBackup.isEmpty()) {
        say(QStringLiteral("Fehler: eine Messung ist nicht zustande gekommen."));
        return 1;
    }

    const double yearRatio = median(yearChange) / median(shellYearChange);
    const double backupRatio = median(backup) / median(shellBackup);
    say(QStringLiteral("%1 Parzellen, %2 Buchungen, %3 MB (Median aus %4 Läufen)")
            .arg(plots)
            .arg(journalEntries)
            .arg(QFileInfo(original).size() / 1e6, 0, 'f', 1)
            .arg(runs));
    say(figures(QStringLiteral("Jahreswechsel mit Archiv (sqlite3: .backup und dieselben %1 "
                               "Anweisungen in einer Transaktion)")
                    .arg(statements.size()),
                median(yearChange), median(shellYearChange), yearChangeTarget));
    say(figures(QStringLiteral("Sicherheitskopie (sqlite3: .backup)"), median(backup),
                median(shellBackup), backupTarget));
    return yearRatio <= yearChangeTarget && backupRatio <= backupTarget ? 0 : 2;
}

// Measures how long the program takes to start with a large database and how much memory it
// needs, against the SQL engine's own shell reading the same tables. Run by hand; it is no
// test, because timings depend on the machine.

#include "measuredrun.h"

#include "data/schema.h"
#include "demodata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int plots = 5000;
constexpr int journalEntries = 50000;
constexpr int measuredRuns = 5;
constexpr double ratioTarget = 3.0;
constexpr double memoryTargetMegabytes = 150.0;

struct Series {
    QList<double> seconds;
    double peakMegabytes = 0;

    double median() const {
        QList<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        const qsizetype middle = sorted.size() / 2;
        return sorted.size() % 2 ? sorted.at(middle)
                                 : (sorted.at(middle - 1) + sorted.at(middle)) / 2;
    }
    double minimum() const { return *std::min_element(seconds.begin(), seconds.end()); }
};

void say(const QString& line) {
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

QString row(const QStringList& cells) {
    static const int widths[] = {36, 12, 14, 16};
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i)
        line += i + 1 < cells.size() ? cells.at(i).leftJustified(widths[i]) : cells.at(i);
    return line;
}

QString seconds(double value) {
    return QStringLiteral("%1 s").arg(value, 0, 'f', 3);
}

QString megabytes(double value) {
    return QStringLiteral("%1 MB").arg(value, 0, 'f', 1);
}

// One warm-up, which may do the one-time work of a first start, then the measured runs.
bool measure(const QString& name, const RunRequest& request, Series& series) {
    for (int run = 0; run <= measuredRuns; ++run) {
        const MeasuredRun result = runMeasured(request);
        if (!result.ok()) {
            say(QStringLiteral("Fehler: %1 (%2. Lauf): %3").arg(name).arg(run).arg(result.error));
            if (!request.errorLog.isEmpty()) {
                QFile log(request.errorLog);
                if (log.open(QIODevice::ReadOnly))
                    say(QString::fromLocal8Bit(log.readAll()).trimmed());
            }
            return false;
        }
        if (run == 0)
            continue;
        series.seconds << result.seconds;
        series.peakMegabytes = std::max(series.peakMegabytes, result.peakMegabytes);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);

    const QString lunetra = QStringLiteral(LUNETRA_EXECUTABLE);
    const QString sqliteShell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (!QFileInfo(lunetra).isExecutable()) {
        say(QStringLiteral("Fehler: %1 ist nicht gebaut.").arg(lunetra));
        return 1;
    }
    if (sqliteShell.isEmpty()) {
        say(QStringLiteral("Fehler: Die SQLite-Kommandozeile sqlite3 ist nicht installiert."));
        return 1;
    }

    QTemporaryDir folder;
    if (!folder.isValid()) {
        say(QStringLiteral("Fehler: Kein temporärer Ordner: %1").arg(folder.errorString()));
        return 1;
    }
    const QString database = folder.filePath(QStringLiteral("parzelle.mdb"));
    DemoData::Options options;
    options.plots = plots;
    options.journalEntries = journalEntries;
    QElapsedTimer generation;
    generation.start();
    const QString error = DemoData::write(database, options);
    if (!error.isEmpty()) {
        say(QStringLiteral("Fehler: %1").arg(error));
        return 1;
    }
    const double generationSeconds = double(generation.elapsed()) / 1000.0;

    RunRequest lunetraRun;
    lunetraRun.program = lunetra;
    lunetraRun.workingDirectory = folder.path();
    lunetraRun.environment = {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")},
                              {QStringLiteral("LUNETRA_QUIT_AFTER_START"), QStringLiteral("1")}};
    lunetraRun.errorLog = folder.filePath(QStringLiteral("lunetra-stderr.txt"));

    QStringList selects;
    for (const TableSchema& table : Schema::tables())
        selects << QStringLiteral("SELECT * FROM %1;").arg(table.name);
    RunRequest sqliteRun;
    sqliteRun.program = sqliteShell;
    sqliteRun.arguments = {database, selects.join(u' ')};
    sqliteRun.workingDirectory = folder.path();

    const DemoData::Counts counts = DemoData::counts(options);
    say(QStringLiteral("Startmessung: %1 Parzellen, %2 Buchungen Hauptkasse, %3 Buchungen "
                       "Handkasse")
            .arg(counts.plots)
            .arg(counts.mainEntries)
            .arg(counts.pettyEntries));
    say(QStringLiteral("Datenbank: %1, erzeugt in %2")
            .arg(megabytes(double(QFileInfo(database).size()) / (1024.0 * 1024.0)),
                 seconds(generationSeconds)));
    say(QStringLiteral("Je Programm ein Aufwärmlauf und %1 gemessene Läufe.\n").arg(measuredRuns));

    Series lunetraSeries, sqliteSeries;
    if (!measure(QStringLiteral("lunetra"), lunetraRun, lunetraSeries) ||
        !measure(QStringLiteral("sqlite3"), sqliteRun, sqliteSeries))
        return 1;

    say(row({QStringLiteral("Programm"), QStringLiteral("Median"), QStringLiteral("Minimum"),
             QStringLiteral("Spitzenspeicher")}));
    for (const auto& [name, series] :
         {std::pair{QStringLiteral("lunetra (Start, 9 Tabellen, Ende)"), &lunetraSeries},
          std::pair{QStringLiteral("sqlite3 (SELECT * aus 9 Tabellen)"), &sqliteSeries}})
        say(row({name, seconds(series->median()), seconds(series->minimum()),
                 megabytes(series->peakMegabytes)}));

    const double ratio = lunetraSeries.median() / sqliteSeries.median();
    const bool ratioMet = ratio <= ratioTarget;
    const bool memoryMet = lunetraSeries.peakMegabytes <= memoryTargetMegabytes;
    const auto verdict = [](bool met) {
        return met ? QStringLiteral("OK") : QStringLiteral("über dem Ziel");
    };
    say(QString());
    say(row({QStringLiteral("Kennzahl"), QStringLiteral("Wert"), QStringLiteral("Ziel"),
             QStringLiteral("Ergebnis")}));
    say(row({QStringLiteral("Zeit lunetra / sqlite3 (Median)"),
             QStringLiteral("%1").arg(ratio, 0, 'f', 2),
             QStringLiteral("≤ %1").arg(ratioTarget, 0, 'f', 0), verdict(ratioMet)}));
    say(row({QStringLiteral("Spitzenspeicher lunetra"), megabytes(lunetraSeries.peakMegabytes),
             QStringLiteral("≤ %1 MB").arg(memoryTargetMegabytes, 0, 'f', 0), verdict(memoryMet)}));
    return ratioMet && memoryMet ? 0 : 2;
}

// Measures the cash books on a large association: the transfer of paid invoices against the
// SQL engine's own shell inserting the same rows in one transaction, opening the main cash
// window on a long journal against the shell reading it, and the cash report as PDF against a
// bare PDF writer drawing the same texts. Run by hand; timings depend on the machine, so it is
// no test.

#include "benchtools.h"
#include "demodata.h"

#include "cash/cashbook.h"
#include "cash/cashreport.h"
#include "cash/paidinvoicetransfer.h"
#include "cash/thauptkasseform.h"
#include "data/dm1.h"
#include "framework/datagrid.h"
#include "framework/reportrenderer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

constexpr int transferPlots = 1000;
constexpr int journalEntries = 50000;
constexpr int runs = 3;

// Every charge component of every plot is due (the dunning fee is in every total), so each
// paid plot books all 31 entries.
QStringList everyComponentDue() {
    QStringList statements{
        QStringLiteral("UPDATE param SET Pachtzins = 0.35, Beitrag = 30, Wartungsgebuehr = 12.5, "
                       "Grundgebuehr_W = 8.2, Preis_Arbeitsstunde = 15, Mahngebuehr = 5, "
                       "Vereinshaftpflicht = 3.1, Vereinsunfallversicherung = 2.2, Umlagen = 10, "
                       "Neuvermessung = 5, Strassenreinigung = 4.4, reserve5 = 0.05, "
                       "reserve6 = 0.02, reserve7 = 6, reserve8 = 7, reserve11 = 8, "
                       "reserve12 = 9, Preis_kwh = 0.31, Preis_qm = 2.5, z8 = 12, z9 = 1.5"),
        QStringLiteral("UPDATE nfelder SET rc111 = 1, rc222 = 1"),
        QStringLiteral("UPDATE parzelle SET text1 = 'X', text2 = 'X', Flaeche = 200 + rowid % 300, "
                       "Strom = 400 + rowid % 700, Wasser = 20 + rowid % 40, Abschlag_Strom = 100, "
                       "Abschlag_Strom_Vorjahr = 90, Abschlag_Wasser = 40, "
                       "Abschlag_Wasser_Vorjahr = 35, Laubenversicherung = 12, "
                       "nicht_gel_Arbeitsstunden = 2, Parkplatzgebuehr = 20, mahncheck = 1, "
                       "Reserve1 = 1, Reserve2 = 2, Reserve3 = 3, Reserve4 = 4, Reserve9 = 5, "
                       "Reserve10 = 6, gezahlt = 1, uebernommen = 0, bool1 = 1")};
    for (int item = 1; item <= 12; ++item) {
        const int code = item <= 8 ? 44 + item : 48 + item;
        statements
            << QStringLiteral("UPDATE nfelder SET reserve%1 = 'Posten %1', rc%1 = 1").arg(item);
        for (const char* table : {"syskonto", "konto"})
            statements << QStringLiteral("UPDATE %1 SET bezeichnung = 'Posten %2', einzahlung = 1 "
                                         "WHERE art = '%3'")
                              .arg(QLatin1String(table))
                              .arg(item)
                              .arg(code);
    }
    return statements;
}

QString writeDatabase(const QString& path, int plots, int entries,
                      const QStringList& statements = {}) {
    DemoData::Options options;
    options.plots = plots;
    options.journalEntries = entries;
    QString error = DemoData::write(path, options);
    Database db(QStringLiteral("bench-setup"));
    db.open(path, Database::OpenMode::ExistingFile);
    for (const QString& statement : statements) {
        if (error.isEmpty())
            error = db.execute(statement);
    }
    return error;
}

QString quoted(const QVariant& value) {
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QString)
        return u'\'' + value.toString().replace(u'\'', QStringLiteral("''")) + u'\'';
    return value.toString();
}

struct TransferFigures {
    QList<double> seconds;
    int entries = 0;
    QString script; // the same rows for the shell
};

TransferFigures measureTransfer(const QString& original, const QString& folder) {
    TransferFigures figures;
    for (int i = 0; i <= runs; ++i) {
        if (!freshCopy(original, folder))
            return {};
        QDir::setCurrent(folder);
        QuietInteraction interaction;
        DM1 dm(interaction);
        if (!dm.connectDatabase())
            return {};
        const int before = dm.Hauptkasse().rowCount();
        QElapsedTimer timer;
        timer.start();
        const PaidInvoiceTransfer::Result result = PaidInvoiceTransfer(dm).run();
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!result.completed()) {
            interaction.reportError(result.message);
            return {};
        }
        if (i > 0)
            figures.seconds << seconds; // the first run warms the file cache
        figures.entries = dm.Hauptkasse().rowCount() - before;
        if (!figures.script.isEmpty())
            continue;
        QStringList lines{QStringLiteral("BEGIN;")};
        QSqlQuery rows(dm.parzelleADOConnection().connection());
        rows.exec(QStringLiteral("SELECT lfd_nr, datum, Art, Bezeichnung, Einnahme, Ausgabe, monat "
                                 "FROM hauptkasse ORDER BY lfd_nr LIMIT -1 OFFSET %1")
                      .arg(before));
        while (rows.next()) {
            QStringList values;
            for (int c = 0; c < 7; ++c)
                values << quoted(rows.value(c));
            lines << QStringLiteral("INSERT INTO hauptkasse (lfd_nr, datum, Art, Bezeichnung, "
                                    "Einnahme, Ausgabe, monat) VALUES (%1);")
                         .arg(values.join(u','));
        }
        rows.exec(QStringLiteral("SELECT Nr FROM parzelle"));
        while (rows.next())
            lines << QStringLiteral("UPDATE parzelle SET uebernommen = 1 WHERE Nr = %1;")
                         .arg(quoted(rows.value(0)));
        lines << QStringLiteral("COMMIT;");
        figures.script = lines.join(u'\n');
    }
    return figures;
}

QList<double> measureShell(const QString& original, const QString& folder, const QString& script,
                           const QString& sql) {
    QList<double> seconds;
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(sql.toUtf8());
    file.close();
    for (int i = 0; i <= runs; ++i) {
        if (!freshCopy(original, folder))
            return {};
        const double elapsed = runShellScript(folder + QStringLiteral("/parzelle.mdb"), script);
        if (elapsed < 0)
            return {};
        if (i > 0)
            seconds << elapsed;
    }
    return seconds;
}

// From the main window's command (the journal opened) until the grid has painted the journal's
// last row.
QList<double> measureWindow(const QString& folder, bool& lastRowShown) {
    QList<double> seconds;
    QDir::setCurrent(folder);
    QuietInteraction interaction;
    DM1 dm(interaction);
    if (!dm.connectDatabase())
        return {};
    THauptkasseform window(dm, interaction);
    for (int i = 0; i <= runs; ++i) {
        dm.Hauptkasse().close();
        QElapsedTimer timer;
        timer.start();
        for (Table* table : {&dm.Hauptkasse(), &dm.konto(), &dm.param()})
            table->open();
        window.show();
        window.grid()->scrollToBottom();
        window.grid()->viewport()->repaint();
        QCoreApplication::processEvents();
        const double elapsed = timer.nsecsElapsed() / 1e9;
        const DataGrid& grid = *window.grid();
        lastRowShown = grid.rowAt(grid.viewport()->height() - 2) == grid.model()->rowCount() - 1;
        window.hide();
        if (i > 0)
            seconds << elapsed;
    }
    return seconds;
}

// The cash report command without its preview: saldo computed and stored, pages laid out,
// written as PDF as the preview's button does.
QList<double> measureReport(const QString& folder, ReportDocument& document) {
    QList<double> seconds;
    QDir::setCurrent(folder);
    QuietInteraction interaction;
    DM1 dm(interaction);
    if (!dm.connectDatabase())
        return {};
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        CashReport::prepare(dm, CashBook::main());
        document = CashReport::layout(dm, CashBook::main());
        dm.berichtQuery().close();
        ReportRenderer::writePdf(document, folder + QStringLiteral("/kassenbericht.pdf"));
        if (i > 0)
            seconds << timer.nsecsElapsed() / 1e9;
    }
    return seconds;
}

// The least any program needs: one QPdfWriter drawing the same texts and rules.
QList<double> measureBarePdf(const QString& folder, const ReportDocument& document) {
    QList<double> seconds;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        QPdfWriter writer(folder + QStringLiteral("/bare.pdf"));
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(document.paperSize, QPageSize::Millimeter));
        QPainter painter(&writer);
        const double scale = 1200 / 25.4;
        for (int p = 0; p < document.pages.size(); ++p) {
            if (p > 0)
                writer.newPage();
            for (const ReportText& text : document.pages.at(p).texts) {
                painter.setFont(ReportRenderer::fontFor(text.font));
                painter.drawText(QPointF(text.box.x() * scale, text.box.y() * scale), text.text);
            }
            for (const ReportLine& line : document.pages.at(p).lines)
                painter.drawLine(QLineF(line.line.p1() * scale, line.line.p2() * scale));
        }
        painter.end();
        if (i > 0)
            seconds << timer.nsecsElapsed() / 1e9;
    }
    return seconds;
}

void report(const QString& title, const QString& ours, double oursSeconds, const QString& theirs,
            double theirsSeconds, double target) {
    const double ratio = oursSeconds / theirsSeconds;
    say(title);
    say(QStringLiteral("  %1 %2 s").arg(ours.leftJustified(42)).arg(oursSeconds, 0, 'f', 3));
    say(QStringLiteral("  %1 %2 s").arg(theirs.leftJustified(42)).arg(theirsSeconds, 0, 'f', 3));
    say(QStringLiteral("  Verhältnis %1 (Ziel ≤ %2): %3")
            .arg(ratio, 0, 'f', 2)
            .arg(QLocale().toString(target))
            .arg(verdict(ratio, target)));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir temporary;
    const QString transferOriginal = temporary.filePath(QStringLiteral("transfer.mdb"));
    const QString journalFolder = temporary.filePath(QStringLiteral("journal"));
    QDir().mkpath(journalFolder);
    const QString journal = journalFolder + QStringLiteral("/parzelle.mdb");
    // Four in five entries of the demo books go to the main book.
    QString error = writeDatabase(transferOriginal, transferPlots, 100, everyComponentDue());
    if (error.isEmpty())
        error = writeDatabase(journal, 100, journalEntries * 5 / 4);
    if (!error.isEmpty()) {
        say(QStringLiteral("Fehler: ") + error);
        return 1;
    }

    const TransferFigures transfer =
        measureTransfer(transferOriginal, temporary.filePath(QStringLiteral("transfer")));
    const QList<double> shellTransfer =
        measureShell(transferOriginal, temporary.filePath(QStringLiteral("shell")),
                     temporary.filePath(QStringLiteral("transfer.sql")), transfer.script);
    bool lastRowShown = false;
    const QList<double> window = measureWindow(journalFolder, lastRowShown);
    const QString readScript = temporary.filePath(QStringLiteral("read.sql"));
    QFile read(readScript);
    read.open(QIODevice::WriteOnly);
    read.write("SELECT * FROM hauptkasse ORDER BY lfd_nr;\n");
    read.close();
    QList<double> shellRead;
    for (int i = 0; i <= runs; ++i) {
        const double elapsed = runShellScript(journal, readScript);
        if (i > 0 && elapsed >= 0)
            shellRead << elapsed;
    }
    ReportDocument document;
    const QList<double> cashReport = measureReport(journalFolder, document);
    const QList<double> bare = measureBarePdf(journalFolder, document);
    if (transfer.seconds.isEmpty() || shellTransfer.isEmpty() || window.isEmpty() ||
        shellRead.isEmpty() || cashReport.isEmpty() || bare.isEmpty()) {
        say(QStringLiteral("Fehler: eine Messung ist nicht zustande gekommen (%1 %2 %3 %4 %5 %6).")
                .arg(transfer.seconds.size())
                .arg(shellTransfer.size())
                .arg(window.size())
                .arg(shellRead.size())
                .arg(cashReport.size())
                .arg(bare.size()));
        return 1;
    }

    report(QStringLiteral("Parzellenrechnungen buchen, %1 Parzellen, %2 Buchungen (Median aus %3 "
                          "Läufen)")
               .arg(transferPlots)
               .arg(transfer.entries)
               .arg(runs),
           QStringLiteral("Lunetra, eine Transaktion:"), median(transfer.seconds),
           QStringLiteral("sqlite3, dieselben Zeilen, eine Transaktion:"), median(shellTransfer),
           2);
    report(
        QStringLiteral("Hauptkasse öffnen bis zur letzten Zeile, %1 Buchungen").arg(journalEntries),
        QStringLiteral("Lunetra, Fenster mit Tabelle:"), median(window),
        QStringLiteral("sqlite3, Journal lesen:"), median(shellRead), 3);
    say(QStringLiteral("  letzte Zeile sichtbar: %1, unter 0,5 s: %2")
            .arg(lastRowShown ? QStringLiteral("ja") : QStringLiteral("nein"))
            .arg(median(window) < 0.5 ? QStringLiteral("ja") : QStringLiteral("nein")));
    int texts = 0;
    for (const ReportPage& page : document.pages)
        texts += int(page.texts.size());
    report(QStringLiteral("Kassenbericht als PDF, %1 Buchungen, %2 Seiten, %3 Texte")
               .arg(journalEntries)
               .arg(document.pages.size())
               .arg(texts),
           QStringLiteral("Lunetra, Salden, Aufbau und PDF:"), median(cashReport),
           QStringLiteral("QPdfWriter allein, gleiche Texte:"), median(bare), 1.5);
    return 0;
}

// Measures the annual billing run on a large association against the SQL engine's own shell
// running the same statements, and writing every statement as PDF against a bare PDF writer
// drawing as many texts. Run by hand; timings depend on the machine, so it is no test.

#include "benchtools.h"
#include "demodata.h"

#include "data/dm1.h"
#include "data/interaction.h"
#include "framework/reportrenderer.h"
#include "plots/billingrun.h"
#include "reports/statements.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

constexpr int billingPlots = 5000;
constexpr int pdfPlots = 1000;
constexpr int runs = 5;

QString writeDatabase(const QString& folder, int plots) {
    QDir().mkpath(folder);
    DemoData::Options options;
    options.plots = plots;
    const QString path = folder + QStringLiteral("/parzelle.mdb");
    const QString error = DemoData::write(path, options);
    if (!error.isEmpty())
        return error;
    // Both media shared equally among the metered plots.
    Database db(QStringLiteral("bench-setup"));
    db.open(path, Database::OpenMode::ExistingFile);
    return db.execute(QStringLiteral("UPDATE param SET z23 = 1, z24 = 1"));
}

// The processor time this program spent since `start`: the machine's other load shows in the
// wall-clock figures, much less in this one.
double cpuSecondsSince(std::clock_t start) {
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

struct BillingFigures {
    QList<double> seconds;
    QList<double> cpuSeconds;
    QStringList statements;
};

BillingFigures measureBilling(const QString& folder) {
    BillingFigures figures;
    QDir::setCurrent(folder);
    QuietInteraction interaction;
    DM1 dm(interaction);
    if (!dm.connectDatabase())
        return figures;
    for (int i = 0; i <= runs; ++i) {
        const bool tracing = i == 0;
        if (tracing)
            startTracing(dm.parzelleADOConnection().handle(), figures.statements);
        BillingRun run(dm, interaction);
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpu = std::clock();
        run.run({true, true});
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (tracing) {
            stopTracing(dm.parzelleADOConnection().handle());
        } else { // the traced run is the warm-up
            figures.seconds << seconds;
            figures.cpuSeconds << cpuSecondsSince(cpu);
        }
    }
    return figures;
}

QList<double> measureShell(const QString& folder, const QStringList& statements) {
    QList<double> seconds;
    QFile script(folder + QStringLiteral("/billing.sql"));
    if (!script.open(QIODevice::WriteOnly))
        return seconds;
    script.write("BEGIN;\n");
    for (const QString& statement : statements)
        script.write(statement.toUtf8() + ";\n");
    script.write("COMMIT;\n");
    script.close();
    for (int i = 0; i <= runs; ++i) {
        const double elapsed =
            runShellScript(folder + QStringLiteral("/parzelle.mdb"), script.fileName());
        if (elapsed < 0)
            return {};
        if (i > 0)
            seconds << elapsed;
    }
    return seconds;
}

// The statements of every plot, laid out and written as PDF, as the preview's button does.
QList<double> measureStatementPdf(const QString& folder, ReportDocument& document,
                                  QList<double>& cpuSeconds) {
    QList<double> seconds;
    QDir::setCurrent(folder);
    QuietInteraction interaction;
    DM1 dm(interaction);
    if (!dm.connectDatabase())
        return seconds;
    BillingRun run(dm, interaction);
    run.setShowStatements([&](Query& rows, const QString& year, const StatementOptions& options) {
        for (int i = 0; i <= runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            const std::clock_t cpu = std::clock();
            document = Statements::layout(rows, year, options);
            ReportRenderer::writePdf(document, folder + QStringLiteral("/statements.pdf"));
            if (i > 0) {
                seconds << timer.nsecsElapsed() / 1e9;
                cpuSeconds << cpuSecondsSince(cpu);
            }
        }
    });
    run.run({true, true});
    return seconds;
}

// The least any program needs to draw a code: each row's dark squares as rectangles.
void drawBareCode(QPainter& painter, const ReportCode& code, double scale) {
    QList<QRectF> runs;
    for (int y = 0; y < code.modules; ++y) {
        for (int x = 0; x < code.modules;) {
            const int start = x;
            while (x < code.modules && code.isDark(x, y))
                ++x;
            if (x > start)
                runs << QRectF(start, y, x - start, 1);
            else
                ++x;
        }
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.translate(code.box.topLeft() * scale);
    painter.scale(code.moduleSize() * scale, code.moduleSize() * scale);
    painter.translate(code.quietZone, code.quietZone);
    painter.drawRects(runs.constData(), int(runs.size()));
    painter.restore();
}

// The least any program needs: one QPdfWriter drawing the same texts in the same faces, and
// with `wholePage` the same rules and codes as well.
QList<double> measureBarePdf(const QString& folder, const ReportDocument& document, bool wholePage,
                             QList<double>& cpuSeconds) {
    QList<double> seconds;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpu = std::clock();
        QPdfWriter writer(folder + QStringLiteral("/bare.pdf"));
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        const double scale = 1200 / 25.4;
        for (int p = 0; p < document.pages.size(); ++p) {
            if (p > 0)
                writer.newPage();
            const ReportPage& page = document.pages.at(p);
            if (wholePage) {
                painter.setPen(QPen(Qt::black, 0.2 * scale));
                for (const ReportLine& line : page.lines)
                    painter.drawLine(QLineF(line.line.p1() * scale, line.line.p2() * scale));
                for (const ReportFrame& frame : page.frames)
                    painter.drawRect(QRectF(frame.box.topLeft() * scale, frame.box.size() * scale));
                for (const ReportCode& code : page.codes)
                    drawBareCode(painter, code, scale);
            }
            for (const ReportText& text : page.texts) {
                painter.setFont(ReportRenderer::fontFor(text.font));
                painter.drawText(QPointF(text.box.x() * scale, text.box.y() * scale), text.text);
            }
        }
        painter.end();
        if (i > 0) {
            seconds << timer.nsecsElapsed() / 1e9;
            cpuSeconds << cpuSecondsSince(cpu);
        }
    }
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir temporary;
    const QString billingFolder = temporary.filePath(QStringLiteral("billing"));
    const QString pdfFolder = temporary.filePath(QStringLiteral("pdf"));

    QString error = writeDatabase(billingFolder, billingPlots);
    if (error.isEmpty())
        error = writeDatabase(pdfFolder, pdfPlots);
    if (error.isEmpty())
        QFile::copy(billingFolder + QStringLiteral("/parzelle.mdb"),
                    temporary.filePath(QStringLiteral("shell.mdb")));
    if (!error.isEmpty()) {
        say(QStringLiteral("Fehler: ") + error);
        return 1;
    }

    const BillingFigures billing = measureBilling(billingFolder);
    const QString shellFolder = temporary.filePath(QStringLiteral("shell"));
    QDir().mkpath(shellFolder);
    QFile::rename(temporary.filePath(QStringLiteral("shell.mdb")),
                  shellFolder + QStringLiteral("/parzelle.mdb"));
    const QList<double> shell = measureShell(shellFolder, billing.statements);
    ReportDocument document;
    QList<double> statementsCpu;
    QList<double> bareCpu;
    QList<double> textsOnlyCpu;
    const QList<double> statements = measureStatementPdf(pdfFolder, document, statementsCpu);
    const QList<double> bare = measureBarePdf(pdfFolder, document, true, bareCpu);
    const QList<double> textsOnly = measureBarePdf(pdfFolder, document, false, textsOnlyCpu);
    if (billing.seconds.isEmpty() || shell.isEmpty() || statements.isEmpty() || bare.isEmpty() ||
        textsOnly.isEmpty()) {
        say(QStringLiteral("Fehler: eine Messung ist nicht zustande gekommen."));
        return 1;
    }

    int texts = 0;
    int codes = 0;
    for (const ReportPage& page : document.pages) {
        texts += int(page.texts.size());
        codes += int(page.codes.size());
    }
    const double billingRatio = median(billing.seconds) / median(shell);
    const double pdfRatio = median(statements) / median(bare);
    say(QStringLiteral("Jahresabrechnung, %1 Parzellen (Median aus %2 Läufen)")
            .arg(billingPlots)
            .arg(runs));
    say(QStringLiteral("  Lunetra, ohne Vorschau:            %1 s")
            .arg(median(billing.seconds), 0, 'f', 3));
    say(QStringLiteral("  Lunetra, Rechenzeit (CPU):          %1 s")
            .arg(median(billing.cpuSeconds), 0, 'f', 3));
    say(QStringLiteral("  sqlite3, dieselben %1 Anweisungen: %2 s")
            .arg(billing.statements.size())
            .arg(median(shell), 0, 'f', 3));
    say(QStringLiteral("  Verhältnis %1 (Ziel ≤ 2): %2")
            .arg(billingRatio, 0, 'f', 2)
            .arg(verdict(billingRatio, 2)));
    say(QStringLiteral("Abrechnungen als PDF, %1 Parzellen, %2 Seiten, %3 Texte, %4 Codes")
            .arg(pdfPlots)
            .arg(document.pages.size())
            .arg(texts)
            .arg(codes));
    say(QStringLiteral("  Lunetra, Aufbau und PDF:            %1 s")
            .arg(median(statements), 0, 'f', 3));
    say(QStringLiteral("  QPdfWriter allein, gleicher Inhalt: %1 s").arg(median(bare), 0, 'f', 3));
    say(QStringLiteral("  QPdfWriter allein, nur die Texte:   %1 s (Verhältnis %2)")
            .arg(median(textsOnly), 0, 'f', 3)
            .arg(median(statements) / median(textsOnly), 0, 'f', 2));
    say(QStringLiteral("  Rechenzeit (CPU): Lunetra %1 s, QPdfWriter allein %2 s")
            .arg(median(statementsCpu), 0, 'f', 3)
            .arg(median(bareCpu), 0, 'f', 3));
    say(QStringLiteral("  Verhältnis %1 (Ziel ≤ 1,5): %2")
            .arg(pdfRatio, 0, 'f', 2)
            .arg(verdict(pdfRatio, 1.5)));
    return billingRatio <= 2 && pdfRatio <= 1.5 ? 0 : 2;
}

#include "demodata.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    return 1;
}

bool readNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                qulonglong& value) {
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    value = parser.value(option).toULongLong(&ok);
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lunetra-demodata"));

    // The parser's own messages and help headings in German, like everything else.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Schreibt eine neue Lunetra-Datenbank mit erfundenen, aber stimmigen "
                       "Daten eines Kleingartenvereins. Gleiche Angaben ergeben stets dieselbe "
                       "Datei."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Zeigt diese Hilfe."));
    const QCommandLineOption plotsOption(QStringLiteral("plots"),
                                         QStringLiteral("Anzahl der Parzellen (Vorgabe 40)."),
                                         QStringLiteral("N"), QStringLiteral("40"));
    const QCommandLineOption entriesOption(
        QStringLiteral("entries"),
        QStringLiteral("Buchungen beider Kassen zusammen, 80 % Hauptkasse und 20 % Handkasse; "
                       "0 ergibt ein übliches Vereinsjahr (Vorgabe 0)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption yearOption(QStringLiteral("year"),
                                        QStringLiteral("Abrechnungsjahr (Vorgabe 2026)."),
                                        QStringLiteral("JAHR"), QStringLiteral("2026"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Startwert des Zufalls (Vorgabe 1)."),
                                        QStringLiteral("S"), QStringLiteral("1"));
    parser.addOption(helpOption);
    parser.addOption(plotsOption);
    parser.addOption(entriesOption);
    parser.addOption(yearOption);
    parser.addOption(seedOption);
    parser.addPositionalArgument(
        QStringLiteral("DATEI"),
        QStringLiteral("Die neue Datenbankdatei, oder ein Ordner: dann DATEI/parzelle.mdb."));

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("Bitte genau eine Zieldatei oder einen Ordner angeben "
                                   "(Hilfe: lunetra-demodata --help)."));

    qulonglong plots = 40, entries = 0, year = 2026, seed = 1;
    if (!readNumber(parser, plotsOption, plots) || !readNumber(parser, entriesOption, entries) ||
        !readNumber(parser, yearOption, year) || !readNumber(parser, seedOption, seed))
        return fail(QStringLiteral("Parzellen, Buchungen, Jahr und Startwert müssen ganze, "
                                   "nicht negative Zahlen sein."));
    if (plots > 99999 || entries > 10000000 || year > 9998)
        return fail(QStringLiteral("Eine der Zahlen ist zu groß (höchstens 99999 Parzellen, "
                                   "10000000 Buchungen, Jahr 9998)."));

    DemoData::Options options;
    options.plots = int(plots);
    options.journalEntries = int(entries);
    options.year = int(year);
    options.seed = seed;

    QString target = parser.positionalArguments().constFirst();
    if (QFileInfo(target).isDir())
        target = QDir(target).filePath(QStringLiteral("parzelle.mdb"));

    const QString error = DemoData::write(target, options);
    if (!error.isEmpty())
        return fail(error);

    const DemoData::Counts counts = DemoData::counts(options);
    std::printf("%s\n",
                qUtf8Printable(
                    QStringLiteral("%1 geschrieben: %2, %3 Buchungen "
                                   "Hauptkasse, %4 Buchungen Handkasse, Jahr %5.")
                        .arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()))
                        .arg(counts.plots == 1 ? QStringLiteral("1 Parzelle")
                                               : QStringLiteral("%1 Parzellen").arg(counts.plots))
                        .arg(counts.mainEntries)
                        .arg(counts.pettyEntries)
                        .arg(options.year)));
    return 0;
}

#include "demodata.h"

#include "democustomitems.h"
#include "demojournals.h"
#include "demoplots.h"
#include "demorandom.h"
#include "demosettings.h"
#include "demovouchertypes.h"

#include "data/database.h"
#include "data/newdatabase.h"
#include "data/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Separate random streams: more plots must not change the journals, and the reverse.
enum Stream : quint64 { PlotStream = 1, SettingsStream, MainBookStream, PettyBookStream };

constexpr qint64 mainOpeningCents = 481237;
constexpr qint64 pettyOpeningCents = 23650;

QString checkOptions(const DemoData::Options& options) {
    if (options.plots < 1 || options.plots > 99999)
        return QStringLiteral("Die Zahl der Parzellen muss zwischen 1 und 99999 liegen.");
    if (options.journalEntries < 0 || options.journalEntries > 10000000)
        return QStringLiteral("Die Zahl der Buchungen muss zwischen 0 und 10000000 liegen.");
    if (options.year < 1900 || options.year > 9998)
        return QStringLiteral("Das Jahr muss zwischen 1900 und 9998 liegen.");
    return {};
}

QString fill(Database& database, const DemoData::Options& options) {
    using namespace DemoData;
    const Counts counts = DemoData::counts(options);
    Transaction transaction(database);
    QString error = transaction.error();

    MeteredConsumption consumption;
    DemoRandom plotRandom(options.seed, PlotStream);
    if (error.isEmpty())
        error = writePlots(database, plotRandom, counts.plots, consumption);
    DemoRandom settingsRandom(options.seed, SettingsStream);
    if (error.isEmpty())
        error = writeSettings(database, settingsRandom, options.year, counts.plots, consumption);
    if (error.isEmpty())
        error = writeCustomItems(database);
    if (error.isEmpty())
        error = writeVoucherTypes(database);
    DemoRandom mainRandom(options.seed, MainBookStream);
    if (error.isEmpty())
        error = writeJournal(database, mainRandom, Book::Main, counts.mainEntries, options.year,
                             mainOpeningCents, counts.plots);
    DemoRandom pettyRandom(options.seed, PettyBookStream);
    if (error.isEmpty())
        error = writeJournal(database, pettyRandom, Book::Petty, counts.pettyEntries, options.year,
                             pettyOpeningCents, counts.plots);

    if (error.isEmpty() && !transaction.commit())
        error = transaction.error();
    return error;
}

} // namespace

namespace DemoData {

Counts counts(const Options& options) {
    Counts result;
    result.plots = options.plots;
    if (options.journalEntries > 0) {
        result.mainEntries = int((qint64(options.journalEntries) * 4 + 2) / 5);
        result.pettyEntries = options.journalEntries - result.mainEntries;
    } else {
        // A usual year: bank statements and bills grow with the plots, as do cash payments.
        result.mainEntries = 80 + options.plots;
        result.pettyEntries = 40 + options.plots / 2;
    }
    return result;
}

QString write(const QString& filePath, const Options& options) {
    const QString invalid = checkOptions(options);
    if (!invalid.isEmpty())
        return invalid;
    const QString path = QFileInfo(filePath).absoluteFilePath();
    const QString shownPath = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path))
        return QStringLiteral("Die Datei „%1“ gibt es bereits; sie wird nicht überschrieben.")
            .arg(shownPath);

    static int connections = 0;
    Database database(QStringLiteral("lunetra-demodata-%1").arg(++connections));
    const Database::OpenResult opened = database.open(path, Database::OpenMode::CreateFile);
    if (!opened.ok())
        return opened.message;

    QString error = NewDatabase::create(database, options.year);
    if (error.isEmpty())
        error = fill(database, options);
    database.close();
    if (error.isEmpty())
        return {};
    QFile::remove(path);
    return QStringLiteral("Die Demodaten für „%1“ konnten nicht geschrieben werden:\n%2")
        .arg(shownPath, error);
}

} // namespace DemoData

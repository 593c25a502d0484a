#include "yearend/restore.h"

#include "yearend/backup.h"
#include "yearend/databasecopy.h"

#include "data/databasecheck.h"
#include "data/dm1.h"
#include "data/interaction.h"
#include "framework/busycursor.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString unchanged = QStringLiteral("Ihre aktuellen Daten sind unverändert.");

} // namespace

Restore::Restore(DM1& dm, Interaction& interaction)
    : m_dm(dm)
    , m_interaction(interaction) {}

Restore::Outcome Restore::run(const QString& dataDirectory) {
    m_kept.clear();
    if (!m_interaction.askOkCancel(
            QStringLiteral("W A R N U N G ! Wenn Sie noch keine Sicherheitskopie erstellt haben, "
                           "gehen Ihre aktuellen Daten jetzt verloren!")))
        return Outcome::Declined;

    Database& database = m_dm.parzelleADOConnection();
    if (!database.isOpen()) {
        // Without the program's hold on the file, another program may be working on it.
        m_interaction.reportError(
            QStringLiteral("Es besteht keine Verbindung zur Datenbank, daher kann nichts "
                           "zurückgelesen werden.\nBitte beenden Sie Lunetra und kopieren Sie die "
                           "Sicherheitskopie als „parzelle.mdb“ in den Ordner „%1“.")
                .arg(QDir::toNativeSeparators(QDir::currentPath())));
        return Outcome::Failed;
    }
    const QString live = database.filePath();
    const QString folder = dataDirectory.isEmpty() ? QFileInfo(live).absolutePath() : dataDirectory;
    QString chosen = m_interaction.chooseFileToOpen(
        Backup::dialogRequest(QStringLiteral("Sicherheitskopie/Archiv lesen"), folder,
                              QStringLiteral("MS-Access Datenbanken(*.mdb)")));
    QDir::setCurrent(folder);
    if (chosen.isEmpty())
        return reconnect(Outcome::Reconnected);
    chosen = QDir(folder).absoluteFilePath(chosen);

    if (Backup::sameFile(chosen, live)) {
        m_interaction.reportError(
            QStringLiteral("Die gewählte Datei „%1“ ist die Datenbank selbst; sie kann nicht über "
                           "sich selbst zurückgelesen werden.\n")
                .arg(QDir::toNativeSeparators(chosen)) +
            unchanged);
        return Outcome::Refused;
    }
    // Checked before anything is closed or replaced: an unfit file leaves everything as it was.
    const Database::OpenResult checked = DatabaseCheck::inspectFile(chosen);
    if (!checked.ok()) {
        m_interaction.reportError(QStringLiteral("Die Datei kann nicht zurückgelesen werden.\n\n") +
                                  checked.message + QStringLiteral("\n\n") + unchanged);
        return Outcome::Refused;
    }

    QString error;
    QString failure;
    {
        BusyCursor busy;
        // The current rows are stored, so the kept copy holds everything typed so far.
        m_dm.closeTables();
        error = keepLiveData(live);
        if (!error.isEmpty()) {
            failure = QStringLiteral("Ihre aktuellen Daten konnten nicht gesichert werden, daher "
                                     "wurde nichts zurückgelesen:\n");
        } else {
            error = DatabaseCopy::readInto(database, chosen);
            if (!error.isEmpty())
                failure = QStringLiteral("Die Datei „%1“ konnte nicht zurückgelesen werden:\n")
                              .arg(QDir::toNativeSeparators(chosen));
        }
    }
    if (!error.isEmpty()) {
        const Outcome reopened = reconnect(Outcome::Failed);
        m_interaction.reportError(failure + error + QStringLiteral("\n\n") + unchanged);
        return reopened;
    }
    const Outcome outcome = reconnect(Outcome::Restored);
    if (outcome == Outcome::Restored)
        m_interaction.inform(
            QStringLiteral("Die Daten aus „%1“ wurden zurückgelesen.\nIhre "
                           "bisherigen Daten liegen in „%2“.")
                .arg(QDir::toNativeSeparators(chosen), QDir::toNativeSeparators(m_kept)));
    return outcome;
}

QString Restore::keepLiveData(const QString& databasePath) {
    const QFileInfo info(databasePath);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString kept = info.absolutePath() + QStringLiteral("/parzelle-vor-Wiederherstellung-") +
                   stamp + QStringLiteral(".mdb");
    // Two restores within one second keep both copies.
    for (int n = 2; QFileInfo::exists(kept); ++n)
        kept = info.absolutePath() + QStringLiteral("/parzelle-vor-Wiederherstellung-") + stamp +
               QStringLiteral("-%1.mdb").arg(n);
    const QString error = DatabaseCopy::write(m_dm.parzelleADOConnection(), kept);
    if (error.isEmpty())
        m_kept = kept;
    return error;
}

Restore::Outcome Restore::reconnect(Outcome success) {
    if (m_dm.reopenTables())
        return success;
    m_interaction.reportError(QStringLiteral(
        "Die Initialisierung ist fehlgeschlagen! Sie müssen die Anwendung neu starten!"));
    return Outcome::Broken;
}

#include "yearend/backup.h"

#include "yearend/databasecopy.h"

#include "data/dm1.h"
#include "data/interaction.h"
#include "framework/busycursor.h"

#include <QDir>
#include <QFileInfo>

Backup::Backup(DM1& dm, Interaction& interaction)
    : m_dm(dm)
    , m_interaction(interaction) {}

bool Backup::sameFile(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

FileDialogRequest Backup::dialogRequest(const QString& caption, const QString& folder,
                                        const QString& filter) {
    return {caption, folder, filter, QStringLiteral("mdb")};
}

Backup::Outcome Backup::run(const QString& dataDirectory) {
    Database& database = m_dm.parzelleADOConnection();
    if (!database.isOpen()) {
        m_interaction.reportError(QStringLiteral("Es besteht keine Verbindung zur Datenbank; es "
                                                 "gibt nichts zu sichern."));
        return Outcome::Failed;
    }
    const QString source = database.filePath();
    const QString folder =
        dataDirectory.isEmpty() ? QFileInfo(source).absolutePath() : dataDirectory;
    QString target = m_interaction.chooseFileToSave(
        dialogRequest(QStringLiteral("Sicherheitskopie schreiben"), folder,
                      QStringLiteral("MS-Access-Datenbanken(*.mdb)")));
    if (target.isEmpty())
        return Outcome::Cancelled;
    target = QDir(folder).absoluteFilePath(target);

    const QString refusal =
        QStringLiteral("'parzelle' darf weder gelöscht noch überschrieben werden!");
    if (sameFile(target, source)) {
        m_interaction.inform(refusal);
        return Outcome::Refused;
    }
    if (QFileInfo::exists(target)) {
        if (!m_interaction.askYesNo(QStringLiteral("Datei existiert bereits...überschreiben?")))
            return Outcome::Cancelled;
    } else {
        // A new name gets the extension, unless it has it already.
        if (!target.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive))
            target += QStringLiteral(".mdb");
        if (sameFile(target, source)) {
            m_interaction.inform(refusal);
            return Outcome::Refused;
        }
        if (QFileInfo::exists(target)) {
            m_interaction.reportError(
                QStringLiteral("Die Datei „%1“ gibt es bereits; sie wird nicht überschrieben.\n"
                               "Die Sicherheitskopie wurde nicht geschrieben.")
                    .arg(QDir::toNativeSeparators(target)));
            return Outcome::Refused;
        }
    }

    QString error;
    {
        BusyCursor busy;
        error = DatabaseCopy::write(database, target);
    }
    const QString shownTarget = QDir::toNativeSeparators(target);
    if (!error.isEmpty()) {
        m_interaction.reportError(
            QStringLiteral("Die Sicherheitskopie „%1“ konnte nicht geschrieben werden:\n%2")
                .arg(shownTarget, error));
        return Outcome::Failed;
    }
    m_written = target;
    m_interaction.inform(
        QStringLiteral("Die Sicherheitskopie wurde in „%1“ geschrieben.").arg(shownTarget));
    return Outcome::Written;
}

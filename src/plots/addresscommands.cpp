#include "plots/addresscommands.h"

#include "plots/addressexport.h"

#include "data/dm1.h"
#include "data/engineerror.h"
#include "data/interaction.h"
#include "reports/tadressen.h"

namespace {

// Opens the query over the plots; what the register holds but has not stored yet is stored
// first, so the addresses are the ones on screen. A failure is reported.
bool openPlots(DM1& dm, Interaction& interaction, Query& query, const QStringList& sql,
               const QString& failure) {
    dm.parzelle().checkBrowseMode();
    query.setSql(sql);
    if (query.open())
        return true;
    interaction.reportError(failure + u'\n' + EngineError::describe(query.lastError()));
    return false;
}

} // namespace

namespace AddressCommands {

void showAddressList(DM1& dm, Interaction& interaction) {
    Query& rows = dm.AdressenQuery();
    if (!openPlots(dm, interaction, rows,
                   {QStringLiteral("select * from parzelle"), QStringLiteral("order by nr")},
                   QStringLiteral("Das Adressenverzeichnis konnte nicht gelesen werden:")))
        return;
    dm.param().open();
    TAdressen report;
    interaction.showReport(report.preview(rows, dm.param().text(QStringLiteral("Verein"))));
    rows.close();
}

void exportAddresses(DM1& dm, Interaction& interaction, const QString& filePath) {
    if (!interaction.askYesNo(QStringLiteral("Daten exportieren?")))
        return;
    interaction.inform(
        QStringLiteral("Die Daten werden jetzt in der Datei \"Export\" gespeichert"));
    Query& rows = dm.ExportQuery();
    // A failed read must not replace an earlier export with an empty one.
    if (!openPlots(
            dm, interaction, rows,
            {QStringLiteral("select %1 from parzelle").arg(AddressExport::columns().join(u',')),
             QStringLiteral("order by nr")},
            QStringLiteral("Die Adressen konnten nicht gelesen werden; es wurde nichts "
                           "exportiert:")))
        return;
    const QString error = AddressExport::write(rows, filePath);
    rows.close();
    if (!error.isEmpty())
        interaction.reportError(error);
}

} // namespace AddressCommands

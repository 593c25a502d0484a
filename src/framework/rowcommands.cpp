#include "framework/rowcommands.h"

#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/table.h"

namespace RowCommands {

bool removeCurrent(Table& table, Interaction& interaction) {
    if (!table.isOpen() || table.isEmpty() ||
        !interaction.askYesNo(QStringLiteral("Datensatz löschen?")))
        return false;
    if (table.remove())
        return true;
    interaction.reportError(QStringLiteral("Der Datensatz konnte nicht gelöscht werden.\n%1")
                                .arg(EngineError::describe(table.lastError())));
    return false;
}

bool storeCurrent(Table& table, Interaction& interaction) {
    if (table.checkBrowseMode())
        return true;
    // A rule that refused the row has said why and dropped it; a row the engine refused
    // stays open for correction.
    if (!table.isEditing())
        return false;
    interaction.reportError(
        QStringLiteral("Der Datensatz konnte nicht gespeichert werden; er bleibt zur Korrektur "
                       "offen. Mit Esc verwerfen Sie die Eingabe.\n%1")
            .arg(EngineError::describe(table.lastError())));
    return false;
}

} // namespace RowCommands

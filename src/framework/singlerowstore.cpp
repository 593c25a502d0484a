#include "framework/singlerowstore.h"

#include "data/engineerror.h"
#include "data/interaction.h"
#include "data/table.h"

namespace SingleRowStore {

bool storeBeforeClosing(const QList<Table*>& tables, Interaction& interaction,
                        const QString& what) {
    Table* refused = nullptr;
    for (Table* table : tables) {
        if (!table->isOpen())
            continue;
        table->edit(); // an empty table thereby gains its one row
        if (!table->post()) {
            refused = table;
            break;
        }
    }
    if (!refused)
        return true;
    const bool discard = interaction.askOkCancel(
        QStringLiteral("%1 konnten nicht gespeichert werden.\n%2\n\nMit „Abbrechen“ bleibt das "
                       "Fenster mit Ihren Eingaben offen: Beheben Sie die Ursache und schließen "
                       "Sie es dann erneut.\nMit „OK“ werden Ihre Änderungen verworfen.")
            .arg(what, EngineError::describe(refused->lastError())));
    if (!discard)
        return false;
    for (Table* table : tables)
        table->cancel();
    return true;
}

} // namespace SingleRowStore

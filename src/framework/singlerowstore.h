#pragma once

#include <QList>
#include <QString>

class Interaction;
class Table;

// How a window over single rows closes: what was typed is stored. When the engine refuses
// (a full disk, a write-protected file), the user is told why and chooses between keeping the
// window open with the typed values, to close it again once the cause is gone, and throwing
// the changes away on purpose.
namespace SingleRowStore {

// Stores each open table's current row, in order. True when the window may close: everything
// is stored, or the user chose to discard what could not be. `what` names the rows for the
// user, as the subject of a sentence ("Die allgemeinen Eingaben").
bool storeBeforeClosing(const QList<Table*>& tables, Interaction& interaction, const QString& what);

} // namespace SingleRowStore

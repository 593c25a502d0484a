#pragma once

class Interaction;
class Table;

// What the navigator and the grids do to a table's current row on the user's command.
namespace RowCommands {

// Deletes the current row after asking; a new row not yet stored is simply dropped. A
// failure is reported. Returns whether the row is gone.
bool removeCurrent(Table& table, Interaction& interaction);

// Stores what was typed into the current row. When the row cannot be stored and the rules
// have not dealt with it, the user is told why. Returns whether the row is stored (or there
// was nothing to store).
bool storeCurrent(Table& table, Interaction& interaction);

} // namespace RowCommands

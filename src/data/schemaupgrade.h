#pragma once

class Database;

// Brings a database of any earlier state up to the declared layout: the 23 upgrade steps run
// in order at every connect, each one skipped when its change is already there.
namespace SchemaUpgrade {

void run(Database& database);

} // namespace SchemaUpgrade

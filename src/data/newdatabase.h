#pragma once

#include <QString>

class Database;

// Lays out a new, empty database: every table, the one row of each single-row table and the
// system voucher types the invoice transfer books under.
namespace NewDatabase {

// Returns the engine's error text, empty on success. Nothing is kept on failure.
QString create(Database& database, int year);

} // namespace NewDatabase

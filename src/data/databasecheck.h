#pragma once

#include "data/database.h"

#include <QString>

struct sqlite3;

// Tells, by reading only, whether a file is a database of this program that this version may
// open: start-up checks the file it connects to, a restore checks the file it is given, and
// nothing writes to a file before it has passed.
namespace DatabaseCheck {

// Checks a database already open on `db`. A new database without tables passes only when
// `allowEmpty` is set (the program is about to lay it out).
Database::OpenResult inspect(sqlite3* db, const QString& filePath, bool allowEmpty = false);

// Opens the file read-only in a connection of its own and checks it.
Database::OpenResult inspectFile(const QString& filePath);

} // namespace DatabaseCheck

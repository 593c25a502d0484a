#pragma once

#include <QString>

class Database;

// Every row of the program's tables as text, in storage order: two dumps are equal exactly
// when the data is.
QString databaseDump(Database& database);

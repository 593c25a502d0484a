#pragma once

#include <QString>

class QSqlError;

// What the SQL engine says went wrong, put into words the treasurer can act on.
namespace EngineError {

// A German sentence for a cause the user can do something about (a full disk, a read-only
// file, a damaged file, a file another program holds), with the engine's own text after it as
// detail; the engine's text alone for anything else.
QString describe(const QString& engineText);

// The engine's own words for a failed statement or connection: its message, or Qt's where the
// engine gave none.
QString text(const QSqlError& error);

} // namespace EngineError

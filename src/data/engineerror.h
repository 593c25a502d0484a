#pragma once

#include <QString>

// What the SQL engine says went wrong, put into words the treasurer can act on.
namespace EngineError {

// A German sentence for a cause the user can do something about (a full disk, a read-only
// file, a damaged file, a file another program holds), with the engine's own text after it as
// detail; the engine's text alone for anything else.
QString describe(const QString& engineText);

} // namespace EngineError

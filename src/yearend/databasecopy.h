#pragma once

#include <QString>

class Database;

// A copy of the open database written to a file of its own: taken through the engine's online
// backup, so it is consistent even while the program works on the file, checked, and only
// then put in place of the target, which is never left half written.
namespace DatabaseCopy {

// Copies the committed state of `live` to `targetPath`, replacing a file of that name. Returns
// a German text saying why it failed, empty on success; on failure the target is untouched.
QString write(Database& live, const QString& targetPath);

// Replaces the whole content of `live` by that of the file at `sourcePath`, in one step that
// the engine completes or undoes, also across a crash. The connection stays open. Returns a
// German text saying why it failed, empty on success.
QString readInto(Database& live, const QString& sourcePath);

} // namespace DatabaseCopy

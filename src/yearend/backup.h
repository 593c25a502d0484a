#pragma once

#include <QString>

class DM1;
class Interaction;
struct FileDialogRequest;

// Writes a backup copy of the database to a file of the user's choice: never over the database
// itself, over another file only on the user's word, and always as a checked copy.
class Backup {
public:
    enum class Outcome { Cancelled, Refused, Failed, Written };

    Backup(DM1& dm, Interaction& interaction);

    // Asks for the target in a save dialog that starts in `dataDirectory`.
    Outcome run(const QString& dataDirectory);
    // The file last written, empty before the first success.
    QString writtenFile() const { return m_written; }

    // The filter and extension of the file dialogs for backups and archives.
    static FileDialogRequest dialogRequest(const QString& caption, const QString& folder,
                                           const QString& filter);
    // Whether two names lead to one file, also through a relative path or a link.
    static bool sameFile(const QString& a, const QString& b);

private:
    DM1& m_dm;
    Interaction& m_interaction;
    QString m_written;
};

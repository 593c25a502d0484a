#pragma once

#include <QString>

class DM1;
class Interaction;

// Reads a backup copy or an archive back in place of the database. The chosen file is checked
// as start-up checks a database before anything is closed or replaced, the data that was live
// is kept in a copy beside the database, and the program's hold on the file is never let go.
class Restore {
public:
    enum class Outcome {
        Declined,    // the warning was not confirmed: nothing happened
        Reconnected, // the dialog was cancelled: the unchanged database is open again
        Refused,     // the chosen file is unfit: the live data is untouched and open
        Failed,      // the copy could not be made: the live data is untouched and open
        Restored,    // the chosen file's data is now the database
        Broken       // the database cannot be opened any more: the program must end
    };

    Restore(DM1& dm, Interaction& interaction);

    // Offers an open dialog that starts in `dataDirectory`; afterwards the working directory
    // is `dataDirectory` again, whatever the dialog did to it.
    Outcome run(const QString& dataDirectory);
    // The copy of the data as it was before the last restore, empty when none was made.
    QString keptFile() const { return m_kept; }

private:
    QString keepLiveData(const QString& databasePath);
    Outcome reconnect(Outcome success);

    DM1& m_dm;
    Interaction& m_interaction;
    QString m_kept;
};

#pragma once

// A disk that fills up or a database file that is write-protected, for tests: a layer
// between the SQL engine and the real files that refuses writes as such a disk or file does.
// Root ignores file permissions, so changing them would prove nothing where the tests run.
//
// Create it before the database is opened: only files opened afterwards go through it.
class SimulatedDisk {
public:
    enum class Trouble {
        None,
        Full,           // every write fails as on a full disk
        WriteProtected, // files open read-only, as for a user without write permission
    };

    explicit SimulatedDisk(Trouble trouble = Trouble::None);
    ~SimulatedDisk();
    SimulatedDisk(const SimulatedDisk&) = delete;
    SimulatedDisk& operator=(const SimulatedDisk&) = delete;

    // A write-protected file stays writable for a connection opened before: reconnect to
    // feel it.
    void setTrouble(Trouble trouble);
};

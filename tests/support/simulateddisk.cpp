#include "support/simulateddisk.h"

#include <sqlite3.h>

#include <cstring>

namespace {

SimulatedDisk::Trouble currentTrouble = SimulatedDisk::Trouble::None;
sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs simulatedVfs;
sqlite3_io_methods simulatedMethods;

// The engine's file with the real one right behind it.
struct SimulatedFile {
    sqlite3_file base;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_file* real(sqlite3_file* file) {
    return reinterpret_cast<SimulatedFile*>(file)->real();
}

int fileClose(sqlite3_file* file) {
    return real(file)->pMethods->xClose(real(file));
}

int fileRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    return real(file)->pMethods->xRead(real(file), buffer, amount, offset);
}

int fileWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    if (currentTrouble == SimulatedDisk::Trouble::Full)
        return SQLITE_FULL;
    return real(file)->pMethods->xWrite(real(file), buffer, amount, offset);
}

int fileTruncate(sqlite3_file* file, sqlite3_int64 size) {
    return real(file)->pMethods->xTruncate(real(file), size);
}

int fileSync(sqlite3_file* file, int flags) {
    return real(file)->pMethods->xSync(real(file), flags);
}

int fileSize(sqlite3_file* file, sqlite3_int64* size) {
    return real(file)->pMethods->xFileSize(real(file), size);
}

int fileLock(sqlite3_file* file, int lock) {
    return real(file)->pMethods->xLock(real(file), lock);
}

int fileUnlock(sqlite3_file* file, int lock) {
    return real(file)->pMethods->xUnlock(real(file), lock);
}

int fileCheckReservedLock(sqlite3_file* file, int* result) {
    return real(file)->pMethods->xCheckReservedLock(real(file), result);
}

int fileControl(sqlite3_file* file, int op, void* argument) {
    return real(file)->pMethods->xFileControl(real(file), op, argument);
}

int fileSectorSize(sqlite3_file* file) {
    return real(file)->pMethods->xSectorSize(real(file));
}

int fileDeviceCharacteristics(sqlite3_file* file) {
    return real(file)->pMethods->xDeviceCharacteristics(real(file));
}

int fileShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
    return real(file)->pMethods->xShmMap(real(file), region, size, extend, memory);
}

int fileShmLock(sqlite3_file* file, int offset, int count, int flags) {
    return real(file)->pMethods->xShmLock(real(file), offset, count, flags);
}

void fileShmBarrier(sqlite3_file* file) {
    real(file)->pMethods->xShmBarrier(real(file));
}

int fileShmUnmap(sqlite3_file* file, int deleteFlag) {
    return real(file)->pMethods->xShmUnmap(real(file), deleteFlag);
}

int fileFetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pointer) {
    return real(file)->pMethods->xFetch(real(file), offset, amount, pointer);
}

int fileUnfetch(sqlite3_file* file, sqlite3_int64 offset, void* pointer) {
    return real(file)->pMethods->xUnfetch(real(file), offset, pointer);
}

int openFile(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    // What the operating system does for a file without write permission.
    if (currentTrouble == SimulatedDisk::Trouble::WriteProtected &&
        (flags & SQLITE_OPEN_MAIN_DB) != 0) {
        flags &= ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        flags |= SQLITE_OPEN_READONLY;
    }
    sqlite3_file* inner = reinterpret_cast<SimulatedFile*>(file)->real();
    const int rc = realVfs->xOpen(realVfs, name, inner, flags, outFlags);
    if (rc != SQLITE_OK || !inner->pMethods) {
        file->pMethods = nullptr;
        return rc;
    }
    simulatedMethods.iVersion = inner->pMethods->iVersion;
    file->pMethods = &simulatedMethods;
    return rc;
}

void install() {
    if (realVfs)
        return;
    realVfs = sqlite3_vfs_find(nullptr);
    simulatedVfs = *realVfs;
    simulatedVfs.zName = "lunetra-simulated-disk";
    simulatedVfs.szOsFile = int(sizeof(SimulatedFile)) + realVfs->szOsFile;
    simulatedVfs.xOpen = openFile;
    simulatedVfs.pNext = nullptr;

    std::memset(&simulatedMethods, 0, sizeof simulatedMethods);
    simulatedMethods.xClose = fileClose;
    simulatedMethods.xRead = fileRead;
    simulatedMethods.xWrite = fileWrite;
    simulatedMethods.xTruncate = fileTruncate;
    simulatedMethods.xSync = fileSync;
    simulatedMethods.xFileSize = fileSize;
    simulatedMethods.xLock = fileLock;
    simulatedMethods.xUnlock = fileUnlock;
    simulatedMethods.xCheckReservedLock = fileCheckReservedLock;
    simulatedMethods.xFileControl = fileControl;
    simulatedMethods.xSectorSize = fileSectorSize;
    simulatedMethods.xDeviceCharacteristics = fileDeviceCharacteristics;
    simulatedMethods.xShmMap = fileShmMap;
    simulatedMethods.xShmLock = fileShmLock;
    simulatedMethods.xShmBarrier = fileShmBarrier;
    simulatedMethods.xShmUnmap = fileShmUnmap;
    simulatedMethods.xFetch = fileFetch;
    simulatedMethods.xUnfetch = fileUnfetch;
    sqlite3_vfs_register(&simulatedVfs, 1);
}

} // namespace

SimulatedDisk::SimulatedDisk(Trouble trouble) {
    install();
    currentTrouble = trouble;
}

SimulatedDisk::~SimulatedDisk() {
    currentTrouble = Trouble::None;
}

void SimulatedDisk::setTrouble(Trouble trouble) {
    currentTrouble = trouble;
}

#pragma once

#include <QString>
#include <QtGlobal>

// Writes a new database full of invented but consistent data of an allotment-garden
// association: plots with tenants and meter readings, the association's settings, voucher
// types and a year of both cash books. The same options always give the same file.
namespace DemoData {

struct Options {
    int plots = 40;
    int journalEntries = 0; // both cash books together; 0: a usual year for that many plots
    int year = 2026;
    quint64 seed = 1;
};

struct Counts {
    int plots = 0;
    int mainEntries = 0;  // hauptkasse
    int pettyEntries = 0; // handkasse
};

// How many rows the options make.
Counts counts(const Options& options);

// Returns a German error text, empty on success. An existing file is never overwritten, and
// nothing is left behind on failure.
QString write(const QString& filePath, const Options& options);

} // namespace DemoData

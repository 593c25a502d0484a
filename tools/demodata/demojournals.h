#pragma once

#include "demovouchertypes.h"

#include <QString>

class Database;
class DemoRandom;

namespace DemoData {

// Writes `entries` entries of one cash book, numbered from 1 and dated through the year in
// ascending order. The book never goes below zero: when an expense would overdraw it, an
// income is booked instead, as a treasurer would have to.
QString writeJournal(Database& database, DemoRandom& random, Book book, int entries, int year,
                     qint64 openingCents, int plots);

} // namespace DemoData
